// The page command: the pages of "Choose Page Layout", listed, added,
// removed and reordered, and their label and texts changed with that step's
// rules.

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/page_layout_step.h"
#include "cli/cli_command.h"
#include "cli/document_session.h"
#include "cli/name_choice.h"
#include "document/json_form.h"
#include "site/full_page.h"
#include "platform/strings.h"
#include "platform/text_encoding.h"
#include "site/page_type.h"

namespace quorvex::cli {
namespace {

// The page texts page set changes besides the label, by name.
const std::vector<std::string>& textNames() {
  static const std::vector<std::string> names = {"label", "header", "subheader", "text"};
  return names;
}

std::string* pageText(CFullPage& page, size_t name) {
  switch (name) {
    case 1: return &page.header;
    case 2: return &page.subheader;
    case 3: return &page.mainText;
    default: return nullptr;
  }
}

std::vector<std::string> pageLabels(const CPageData& pages) {
  std::vector<std::string> labels;
  for (const Owned<CPage>& page : pages.pages) labels.push_back(page->label);
  return labels;
}

// The names page add takes for the page types: the default label in lower
// case with hyphens for spaces ("specific-category"); "shop" for the shop's
// four pages.
std::vector<std::string> addableTypeNames() {
  std::vector<std::string> names;
  for (int32_t type : PageLayoutStep::addablePageTypes()) {
    std::string name = type == kProductPagesGroup ? "shop" : toLowerAscii(defaultPageLabel(type));
    std::replace(name.begin(), name.end(), ' ', '-');
    names.push_back(std::move(name));
  }
  return names;
}

// The page a label names, as an index into the step's list; nullopt after
// the usage error was printed.
std::optional<size_t> findPage(CliContext& context, const PageLayoutStep& step, const std::string& typed) {
  const std::vector<std::string> labels = pageLabels(step.pages);
  std::optional<std::string> wanted = utf8ToCp1252(typed);
  std::optional<size_t> index = wanted ? findName(labels, *wanted) : std::nullopt;
  if (!index) usageError(context, unknownNameMessage("page", typed, labels));
  return index;
}

// A whole number from `first` to `last` typed for `what`; nullopt after the
// usage error was printed.
std::optional<int32_t> parseNumber(CliContext& context, const std::string& typed, const char* what,
                                   int32_t first, int32_t last) {
  std::optional<int32_t> value = numberIn(typed, first, last);
  if (!value) {
    usageError(context, std::string(what) + " must be a whole number from " + std::to_string(first) +
                            " to " + std::to_string(last) + ", not " + typed);
    return std::nullopt;
  }
  return value;
}

int runList(DocumentSession& session, bool json) {
  Json list = Json::array();
  const CPageData& pages = *session.doc().m_pPageData;
  for (size_t i = 0; i < pages.pages.size(); ++i) {
    Json item = {{"number", i + 1}, {"label", cp1252ToUtf8(pages.pages[i]->label)}};
    if (const auto* full = dynamic_cast<const CFullPage*>(pages.pages[i].get())) {
      item["header"] = cp1252ToUtf8(full->header);
    }
    list.push_back(std::move(item));
  }
  if (json) {
    std::cout << list.dump(2) << '\n';
    return kExitSuccess;
  }
  for (const Json& item : list) {
    std::printf("%2d  %s\n", item["number"].get<int>(), item["label"].get<std::string>().c_str());
  }
  return kExitSuccess;
}

int runSet(CliContext& context, DocumentSession& session, const std::vector<std::string>& args) {
  PageLayoutStep step(session.app());
  const std::vector<std::string> labels = pageLabels(step.pages);
  std::optional<size_t> index = findPage(context, step, args[2]);
  if (!index) return kExitUsage;
  if (!step.selectPage(*index)) return kExitFailure;
  for (size_t i = 3; i < args.size(); ++i) {
    const size_t equals = args[i].find('=');
    if (equals == std::string::npos) return usageError(context, "expected FIELD=VALUE, not " + args[i]);
    std::optional<size_t> field = findName(textNames(), args[i].substr(0, equals));
    if (!field) return usageError(context, unknownNameMessage("page field", args[i].substr(0, equals), textNames()));
    std::optional<std::string> value = utf8ToCp1252(args[i].substr(equals + 1));
    if (!value) return failure("the value of " + textNames()[*field] + " holds characters a document cannot store");
    if (*field == 0) {
      if (!step.setLabel(*value)) return kExitFailure;
      continue;
    }
    auto* page = dynamic_cast<CFullPage*>(step.pages.pages[*index].get());
    if (page == nullptr) return failure("the page " + labels[*index] + " has no " + textNames()[*field]);
    *pageText(*page, *field) = *value;
  }
  if (!session.applyAndSave(step)) return kExitFailure;
  return reportChange(context, "Changed the page " + step.pages.pages[*index]->label + ".");
}

int runAdd(CliContext& context, DocumentSession& session, const std::vector<std::string>& args) {
  if (args.size() > 4) return usageError(context, "add takes DOC.qvx TYPE [COUNT]");
  const std::vector<std::string> names = addableTypeNames();
  std::optional<size_t> type = findName(names, args[2]);
  if (!type) return usageError(context, unknownNameMessage("page type", args[2], names));
  std::optional<int32_t> count = 1;
  if (args.size() == 4 && !(count = parseNumber(context, args[3], "COUNT", 1, 20))) return kExitUsage;
  PageLayoutStep step(session.app());
  const size_t before = step.pages.count();
  if (!step.addPages(PageLayoutStep::addablePageTypes()[*type], *count)) return kExitFailure;
  if (!session.applyAndSave(step)) return kExitFailure;
  std::string added;
  for (size_t i = before; i < step.pages.count(); ++i) {
    added += (added.empty() ? "" : ", ") + step.pages.at(i).label;
  }
  return reportChange(context, "Added the page" + std::string(step.pages.count() - before > 1 ? "s " : " ") +
                                   added + "; " + plural(step.pages.count(), "page") + " in all.");
}

int runRemove(CliContext& context, DocumentSession& session, const std::vector<std::string>& args) {
  if (args.size() != 3) return usageError(context, "remove takes DOC.qvx PAGE");
  PageLayoutStep step(session.app());
  std::optional<size_t> index = findPage(context, step, args[2]);
  if (!index) return kExitUsage;
  const std::string label = step.pages.at(*index).label;
  if (!step.removePage(*index)) return kExitFailure;
  if (!session.applyAndSave(step)) return kExitFailure;
  return reportChange(context, "Removed the page " + label + "; " + plural(step.pages.count(), "page") + " left.");
}

int runMove(CliContext& context, DocumentSession& session, const std::vector<std::string>& args) {
  if (args.size() != 4) return usageError(context, "move takes DOC.qvx PAGE POSITION");
  PageLayoutStep step(session.app());
  std::optional<size_t> index = findPage(context, step, args[2]);
  if (!index) return kExitUsage;
  std::optional<int32_t> position =
      parseNumber(context, args[3], "POSITION", 1, static_cast<int32_t>(step.pages.count()));
  if (!position) return kExitUsage;
  step.movePage(*index, static_cast<size_t>(*position - 1));
  if (!session.applyAndSave(step)) return kExitFailure;
  return reportChange(context, "Moved the page " + step.pages.at(*position - 1).label + " to position " +
                                   std::to_string(*position) + ".");
}

int runPage(CliContext& context) {
  const std::vector<std::string>& args = context.args;
  if (args.size() < 2) return usageError(context, "expected list, set, add, remove or move and DOC.qvx");
  const std::vector<std::string> verbs = {"list", "set", "add", "remove", "move"};
  if (!findName(verbs, args[0])) return usageError(context, unknownNameMessage("page command", args[0], verbs));
  DocumentSession session(context.env);
  if (!session.open(args[1])) return kExitFailure;
  if (args[0] == "list") {
    if (args.size() > 3 || (args.size() == 3 && args[2] != "--json")) {
      return usageError(context, "list takes DOC.qvx [--json]");
    }
    return runList(session, args.size() == 3);
  }
  if (args.size() < 3) return usageError(context, args[0] + " takes DOC.qvx PAGE ...");
  if (args[0] == "add") return runAdd(context, session, args);
  if (args[0] == "remove") return runRemove(context, session, args);
  if (args[0] == "move") return runMove(context, session, args);
  if (args.size() < 4) return usageError(context, "set takes DOC.qvx PAGE FIELD=VALUE...");
  return runSet(context, session, args);
}

}  // namespace

void addPageCommands(std::vector<CliCommand>& commands) {
  commands.push_back(
      {"page",
       "list|set|add|remove|move DOC.qvx [PAGE|TYPE] [FIELD=VALUE...|COUNT|POSITION]",
       "List, change, add, remove and reorder the site's pages.",
       "PAGE is a page's label (any case). FIELD is label, header, subheader or text\n"
       "(the page's main text). Choose Page Layout's rules apply with its messages\n"
       "(exit status 1): a label no other page has, without the characters a label\n"
       "may not hold and not a reserved one. Any other page field is set with set\n"
       "DOC.qvx m_pPageData.pages[N].FIELD=VALUE (N from 0).\n"
       "add appends COUNT (default 1) new pages of TYPE: home, contact, info, shop (the\n"
       "product, thank-you, order form and download pages together), coupon, articles,\n"
       "newspaper, magazine or specific-category, styled like the others. remove\n"
       "deletes a page (not the shop's pages, which follow the site type, nor the last\n"
       "page). move puts a page at POSITION (from 1), the order of the site's links.\n"
       "The site type (set-site) makes the pages; choosing one again brings the pages\n"
       "back in line with it.\n",
       runPage});
}

}  // namespace quorvex::cli
