// The product command: lists, adds, changes and removes single products of a
// product list kept in the program, with the rules of "Create Price List".

#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/create_price_list_model.h"
#include "cli/cli_command.h"
#include "cli/name_choice.h"
#include "cli/product_list.h"
#include "company/brenquil_doc.h"
#include "document/json_form.h"
#include "platform/text_encoding.h"
#include "products/price_list_item.h"
#include "products/product_column.h"

namespace quorvex::cli {
namespace {

// The columns "Create Price List" edits, by the names its item dialog gives
// them, and the fields of an item they fill.
constexpr int32_t kItemColumns[] = {kPartNumberColumn, kDescriptionColumn, kPriceColumn,
                                    kWeightColumn, kCategoryColumn};

std::vector<std::string> itemColumnNames() {
  std::vector<std::string> names;
  for (int32_t column : kItemColumns) names.emplace_back(productColumnName(column));
  return names;
}

std::string& itemField(PriceListItem& item, int32_t column) {
  switch (column) {
    case kPartNumberColumn: return item.partNumber;
    case kDescriptionColumn: return item.description;
    case kPriceColumn: return item.price;
    case kWeightColumn: return item.weight;
    default: return item.category;
  }
}

// Writes the NAME=VALUE arguments from `first` on into `item`; returns an
// error message, empty on success.
std::string fillItem(const std::vector<std::string>& args, size_t first, PriceListItem& item) {
  const std::vector<std::string> names = itemColumnNames();
  for (size_t i = first; i < args.size(); ++i) {
    const size_t equals = args[i].find('=');
    if (equals == std::string::npos) return "expected COLUMN=VALUE, not " + args[i];
    std::optional<size_t> column = findName(names, args[i].substr(0, equals));
    if (!column) return unknownNameMessage("column", args[i].substr(0, equals), names);
    std::optional<std::string> value = utf8ToCp1252(args[i].substr(equals + 1));
    if (!value) return "the value of " + names[*column] + " holds characters a document cannot store";
    itemField(item, kItemColumns[*column]) = *value;
  }
  return "";
}

int runList(CliContext& context, const std::vector<std::string>& args) {
  bool json = false;
  std::vector<std::string> positional;
  for (const std::string& arg : args) {
    if (arg == "--json") {
      json = true;
    } else {
      positional.push_back(arg);
    }
  }
  if (positional.size() != 1) return usageError(context, "list takes DOC.qvx [--json]");
  ProductList list(context.env);
  if (int result = list.open(positional[0], false)) return result;
  Json rows = Json::array();
  for (const CExtraItem& row : list.table().rows) {
    Json item = Json::object();
    for (int32_t column : kItemColumns) {
      item[std::string(productColumnName(column))] = cp1252ToUtf8(row.columnText(column));
    }
    rows.push_back(std::move(item));
  }
  if (json) {
    std::cout << rows.dump(2) << '\n';
    return kExitSuccess;
  }
  for (const Json& row : rows) {
    std::string line;
    for (const auto& [name, value] : row.items()) {
      line += (line.empty() ? "" : "  |  ") + value.get<std::string>();
    }
    std::printf("%s\n", line.c_str());
  }
  return kExitSuccess;
}

// The exit status of an item dialog's OK that stored nothing: its message
// was shown.
int itemResult(CreatePriceListModel::ItemResult result) {
  return result == CreatePriceListModel::ItemResult::kStored ? kExitSuccess : kExitFailure;
}

int runAdd(CliContext& context, const std::vector<std::string>& args) {
  if (args.size() < 2) return usageError(context, "add takes DOC.qvx COLUMN=VALUE...");
  PriceListItem item;
  if (std::string error = fillItem(args, 1, item); !error.empty()) return usageError(context, error);
  ProductList list(context.env);
  if (int result = list.open(args[0], true)) return result;
  CreatePriceListModel model(list.table(), context.env.prompter());
  if (int result = itemResult(model.addItem(item))) return result;
  const CExtraItem& row = list.table().currentItem();
  const std::string summary = "Added " + row.partNumber + " (" + row.description + ", " +
                              row.price + ") in " + row.category + "; " +
                              plural(list.table().rows.size(), "product") + " in all.";
  if (int result = list.save()) return result;
  return reportChange(context, summary);
}

int runSetItem(CliContext& context, const std::vector<std::string>& args) {
  if (args.size() < 3) return usageError(context, "set takes DOC.qvx PART COLUMN=VALUE...");
  ProductList list(context.env);
  if (int result = list.open(args[0], true)) return result;
  std::optional<std::string> part = utf8ToCp1252(args[1]);
  const int32_t line = part ? list.lineOf(*part) : -1;
  if (line < 0) return kExitFailure;
  CreatePriceListModel model(list.table(), context.env.prompter());
  std::optional<PriceListItem> item = model.beginEdit({line});
  if (!item) return kExitFailure;
  if (std::string error = fillItem(args, 2, *item); !error.empty()) return usageError(context, error);
  if (int result = itemResult(model.editItem(line, *item))) return result;
  if (int result = list.save()) return result;
  return reportChange(context, "Changed " + item->partNumber + ".");
}

int runRemove(CliContext& context, const std::vector<std::string>& args) {
  if (args.size() < 2) return usageError(context, "remove takes DOC.qvx PART...");
  ProductList list(context.env);
  if (int result = list.open(args[0], true)) return result;
  std::vector<int32_t> lines;
  for (size_t i = 1; i < args.size(); ++i) {
    std::optional<std::string> part = utf8ToCp1252(args[i]);
    const int32_t line = part ? list.lineOf(*part) : -1;
    if (line < 0) return kExitFailure;
    lines.push_back(line);
  }
  CreatePriceListModel model(list.table(), context.env.prompter());
  if (!model.deleteItems(lines)) return kExitFailure;
  if (int result = list.save()) return result;
  return reportChange(context, "Removed " + plural(lines.size(), "product") + "; " +
                                   plural(list.table().rows.size(), "product") + " left.");
}

int runProduct(CliContext& context) {
  if (context.args.empty()) return usageError(context, "expected list, add, set or remove");
  const std::vector<std::string> args(context.args.begin() + 1, context.args.end());
  const std::string& verb = context.args[0];
  if (verb == "list") return runList(context, args);
  if (verb == "add") return runAdd(context, args);
  if (verb == "set") return runSetItem(context, args);
  if (verb == "remove") return runRemove(context, args);
  return usageError(context, unknownNameMessage("product command", verb, {"list", "add", "set", "remove"}));
}

}  // namespace

void addProductItemCommands(std::vector<CliCommand>& commands) {
  commands.push_back(
      {"product",
       "list DOC.qvx [--json] | add DOC.qvx COLUMN=VALUE... |\n"
       "       set DOC.qvx PART COLUMN=VALUE... | remove DOC.qvx PART...",
       "List, add, change or remove products of a list kept in the program.",
       "The columns are those of Create Price List, named in any case: Part Number,\n"
       "Description, Price, Weight, Category. A product needs a part number, a\n"
       "description and a price; the weight defaults to 0 and the category to\n"
       "Our Products. A value the dialog refuses is refused with its message (exit\n"
       "status 1); a part number another product has is refused. remove asks first\n"
       "(--yes answers). A list imported from another program's file is changed\n"
       "there and imported again.\n",
       runProduct});
}

}  // namespace quorvex::cli
