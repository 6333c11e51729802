// The category command: the product categories and the names the site
// shows for them, changed through "Edit Category Names".

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/edit_category_names_model.h"
#include "cli/cli_command.h"
#include "cli/name_choice.h"
#include "company/brenquil_doc.h"
#include "document/json_form.h"
#include "platform/text_encoding.h"

namespace quorvex::cli {
namespace {

int runList(const CExtraFields& table, bool json) {
  Json list = Json::array();
  for (size_t i = 0; i < table.categoryNames.size(); ++i) {
    list.push_back({{"category", cp1252ToUtf8(table.categoryNames[i])},
                    {"description", cp1252ToUtf8(table.categoryDescriptions[i])}});
  }
  if (json) {
    std::cout << list.dump(2) << '\n';
    return kExitSuccess;
  }
  for (const Json& item : list) {
    std::printf("%s  |  %s\n", item["category"].get<std::string>().c_str(),
                item["description"].get<std::string>().c_str());
  }
  return kExitSuccess;
}

int runCategory(CliContext& context) {
  const std::vector<std::string>& args = context.args;
  const std::vector<std::string> verbs = {"list", "set"};
  if (args.size() < 2 || !findName(verbs, args[0])) {
    return usageError(context, "expected list or set and DOC.qvx");
  }
  CBrenquilDoc doc(context.env);
  if (int result = openCompany(args[1], doc)) return result;
  CExtraFields& table = *doc.m_pExtraFields;
  if (args[0] == "list") {
    if (args.size() > 3 || (args.size() == 3 && args[2] != "--json")) {
      return usageError(context, "list takes DOC.qvx [--json]");
    }
    return runList(table, args.size() == 3);
  }
  if (args.size() < 4) return usageError(context, "set takes DOC.qvx CATEGORY OPTIONS");
  std::optional<std::string> category = utf8ToCp1252(args[2]);
  std::optional<size_t> index = category ? findName(table.categoryNames, *category) : std::nullopt;
  if (!index) return usageError(context, unknownNameMessage("category", args[2], table.categoryNames));
  EditCategoryNamesModel model(context.env, table);
  std::optional<CategoryNameForm> form = model.openCategory(static_cast<int32_t>(*index));
  if (!form) return kExitFailure;
  for (size_t i = 3; i < args.size(); ++i) {
    if (args[i] == "--do-not-publish") {
      form->doNotPublish = true;
      continue;
    }
    if (args[i] != "--description" || i + 1 >= args.size()) {
      return usageError(context, "unexpected argument " + args[i]);
    }
    std::optional<std::string> value = utf8ToCp1252(args[++i]);
    if (!value) return failure("--description holds characters a document cannot store");
    form->description = *value;
    form->doNotPublish = false;
  }
  model.setCategory(static_cast<int32_t>(*index), *form);
  if (!model.confirm()) return kExitFailure;
  Status status = doc.save(args[1]);
  if (!status.ok()) return failure(status.message());
  return reportChange(context, "Category " + table.categoryNames[*index] + " shown as " +
                                   table.categoryDescriptions[*index] + ".");
}

}  // namespace

void addCategoryCommands(std::vector<CliCommand>& commands) {
  commands.push_back(
      {"category",
       "list DOC.qvx [--json] | set DOC.qvx CATEGORY --description TEXT | --do-not-publish",
       "List the product categories, or set the name the site shows for one.",
       "As Edit Category Names does: --description is the name the site shows for an\n"
       "imported list's category, --do-not-publish leaves its products off the site.\n"
       "A list kept in the program has one name per category: TEXT renames the\n"
       "category in every product of it.\n",
       runCategory});
}

}  // namespace quorvex::cli
