// The page command: the pages of "Choose Page Layout", listed and their
// label and texts changed with that step's rules.

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
#include "platform/text_encoding.h"

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
  std::optional<std::string> wanted = utf8ToCp1252(args[2]);
  std::optional<size_t> index = wanted ? findName(labels, *wanted) : std::nullopt;
  if (!index) return usageError(context, unknownNameMessage("page", args[2], labels));
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

int runPage(CliContext& context) {
  const std::vector<std::string>& args = context.args;
  if (args.size() < 2) return usageError(context, "expected list or set and DOC.qvx");
  const std::vector<std::string> verbs = {"list", "set"};
  if (!findName(verbs, args[0])) return usageError(context, unknownNameMessage("page command", args[0], verbs));
  DocumentSession session(context.env);
  if (!session.open(args[1])) return kExitFailure;
  if (args[0] == "list") {
    if (args.size() > 3 || (args.size() == 3 && args[2] != "--json")) {
      return usageError(context, "list takes DOC.qvx [--json]");
    }
    return runList(session, args.size() == 3);
  }
  if (args.size() < 4) return usageError(context, "set takes DOC.qvx PAGE FIELD=VALUE...");
  return runSet(context, session, args);
}

}  // namespace

void addPageCommands(std::vector<CliCommand>& commands) {
  commands.push_back(
      {"page", "list DOC.qvx [--json] | set DOC.qvx PAGE FIELD=VALUE...",
       "List the pages, or change a page's label and texts.",
       "PAGE is a page's label (any case). FIELD is label, header, subheader or text\n"
       "(the page's main text). Choose Page Layout's rules apply with its messages\n"
       "(exit status 1): a label no other page has, without the characters a label\n"
       "may not hold and not a reserved one. The pages themselves follow the site\n"
       "type (set-site); any other page field is set with set DOC.qvx\n"
       "m_pPageData.pages[N].FIELD=VALUE (N from 0).\n",
       runPage});
}

}  // namespace quorvex::cli
