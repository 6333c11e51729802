// The commands that show, import and start a company's product table.

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <set>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "cli/cli_command.h"
#include "company/brenquil_doc.h"
#include "document/json_form.h"
#include "platform/text_encoding.h"
#include "cli/name_choice.h"
#include "platform/scripted_prompter.h"
#include "platform/strings.h"
#include "products/import_wizard.h"
#include "products/line_cursor.h"
#include "products/product_files.h"
#include "products/product_column.h"
#include "products/product_list_conversion.h"

namespace quorvex::cli {
namespace {

// The JSON names of the product columns: the fields of a row.
constexpr const char* kRowKeys[kProductColumnCount] = {
    "partNumber",   "description", "price",        "weight",           "category",
    "salesDescription", "link",    "picture",      "pictureFlag",      "linkFlag",
    "publishState", "featureFlag", "downloadPath", "downloadPassword", "downloadFlag",
    "uploadFlag",   "taxFlag"};

// A row in its cleaned output form, feature selections included.
Json rowJson(const CExtraItem& row) {
  Json json = Json::object();
  for (int32_t column = 0; column < kProductColumnCount; ++column) {
    if (isFlagColumn(column)) {
      json[kRowKeys[column]] = row.flag(column);
    } else {
      json[kRowKeys[column]] = cp1252ToUtf8(row.columnText(column));
    }
  }
  Json selections = Json::array();
  for (const CFeatureCheck& selection : row.featureSelections) {
    Json options = Json::array();
    for (const std::string& option : selection.selectedOptions) {
      options.push_back(cp1252ToUtf8(option));
    }
    selections.push_back({{"label", cp1252ToUtf8(selection.label)},
                          {"checked", selection.checked},
                          {"selectedOptions", std::move(options)}});
  }
  json["featureSelections"] = std::move(selections);
  return json;
}

int runProducts(CliContext& context) {
  std::string file;
  bool sorted = false;
  for (const std::string& arg : context.args) {
    if (arg == "--sorted") {
      sorted = true;
    } else if (file.empty() && !arg.starts_with("-")) {
      file = arg;
    } else {
      return usageError(context, "unexpected argument " + arg);
    }
  }
  if (file.empty()) return usageError(context, "missing DOC.qvx");
  CBrenquilDoc doc(context.env);
  if (int result = openCompany(file, doc)) return result;
  CExtraFields& table = *doc.m_pExtraFields;
  table.clearRows();
  // A company without a product file lists no products; a file that cannot
  // be read has had its error printed by the prompter.
  Status loaded = table.loadRows(context.env);
  if (!loaded.ok() && loaded.code() != Status::Code::kNotFound) return kExitFailure;
  if (sorted) table.sortRows();
  Json rows = Json::array();
  for (const CExtraItem& row : table.rows) rows.push_back(rowJson(row));
  table.clearRows();
  std::cout << rows.dump(2) << '\n';
  return kExitSuccess;
}

// The character an import option names: a single character, or "tab",
// "comma", "pipe", "semicolon"; for the qualifier also "none" (the first
// character of the wizard's "{ none }" entry).
std::optional<char> namedCharacter(const std::string& text) {
  if (text.size() == 1) return text[0];
  if (text == "tab" || text == "\\t") return '\t';
  if (text == "comma") return ',';
  if (text == "pipe") return '|';
  if (text == "semicolon") return ';';
  if (text == "none") return '{';
  return std::nullopt;
}

// Splits "KEY=VALUE" at its first "="; nullopt without one.
std::optional<std::pair<std::string, std::string>> keyAndValue(const std::string& text) {
  const size_t equals = text.find('=');
  if (equals == std::string::npos) return std::nullopt;
  return std::make_pair(text.substr(0, equals), text.substr(equals + 1));
}

struct ImportOptions {
  std::string document;
  std::string file;
  int32_t startRow = 1;
  char delimiter = ',';
  char qualifier = '"';
  std::vector<std::pair<int32_t, int32_t>> labels;  // position from 0, label
  std::string pictureFolder;
  std::vector<std::pair<std::string, std::string>> categories;  // name, description
};

// The names --label takes: the wizard's labels and "NOT USED".
const std::vector<std::string>& labelNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> list;
    for (int32_t label = 0; !ImportWizard::labelName(label).starts_with("NOT USED"); ++label) {
      list.emplace_back(ImportWizard::labelName(label));
    }
    list.emplace_back(ImportWizard::labelName(ImportWizard::kNotUsed));
    return list;
  }();
  return names;
}

// Reads the arguments of import; returns an error message, empty on success.
std::string parseImportOptions(const std::vector<std::string>& args, ImportOptions* options) {
  std::vector<std::string> positional;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!arg.starts_with("--")) {
      positional.push_back(arg);
      continue;
    }
    if (i + 1 >= args.size()) return arg + " needs a value";
    const std::string& value = args[++i];
    if (arg == "--start-row") {
      std::optional<int32_t> row = numberIn(value, 1, ImportWizard::kMaxStartRow);
      if (!row) return "--start-row takes a number from 1 to 10000";
      options->startRow = *row;
    } else if (arg == "--delimiter" || arg == "--qualifier") {
      std::optional<char> c = namedCharacter(value);
      if (!c) return arg + " takes one character (or tab, comma, pipe, semicolon, none)";
      (arg == "--delimiter" ? options->delimiter : options->qualifier) = *c;
    } else if (arg == "--label") {
      auto pair = keyAndValue(value);
      std::optional<int32_t> column = pair ? numberIn(pair->first, 1, 100000) : std::nullopt;
      if (!column) {
        return "--label takes COLUMN=LABEL with columns counted from 1, such as "
               "1=\"Part Number\"";
      }
      std::optional<size_t> label = findName(labelNames(), pair->second);
      if (!label) return unknownNameMessage("label", pair->second, labelNames());
      options->labels.emplace_back(*column - 1,
                                   ImportWizard::labelNamed(labelNames()[*label]));
    } else if (arg == "--picture-folder") {
      options->pictureFolder = value;
    } else if (arg == "--category") {
      auto pair = keyAndValue(value);
      if (!pair) return "--category takes NAME=DESCRIPTION";
      options->categories.push_back(*pair);
    } else {
      return "unknown option " + arg;
    }
  }
  if (positional.size() != 2) return "expected DOC.qvx and FILE";
  options->document = positional[0];
  options->file = positional[1];
  return "";
}

// Gives the listed categories the descriptions the options name.
int describeCategories(const ImportOptions& options, ImportWizard& wizard) {
  for (const auto& [utf8Name, utf8Description] : options.categories) {
    std::optional<std::string> name = utf8ToCp1252(utf8Name);
    std::optional<std::string> description = utf8ToCp1252(utf8Description);
    if (!name || !description) return failure("a category holds characters a document cannot store");
    const std::vector<std::string>& names = wizard.categoryNames();
    auto it = std::find(names.begin(), names.end(), *name);
    if (it == names.end()) return failure("the file has no category \"" + *name + "\"");
    const size_t index = static_cast<size_t>(it - names.begin());
    CategoryNameForm form = wizard.categoryForm(index);
    form.doNotPublish = *description == kDoNotPublishDescription;
    form.description = form.doNotPublish ? "" : *description;
    wizard.setCategory(index, form);
  }
  return kExitSuccess;
}

// Warns when the first imported row looks like a header: a field equals one
// of the labels, or the Price column holds no number.
void warnOfHeaderRow(const ImportOptions& options, const ImportWizard& wizard,
                     const ImportWizard::Preview& preview, Prompter& prompter) {
  if (preview.lines.empty()) return;
  const std::vector<std::string>& first = preview.lines.front();
  bool header = false;
  for (const std::string& field : first) {
    if (!field.empty() && findName(labelNames(), trim(field))) header = true;
  }
  const int32_t price = wizard.positionOf(kPriceColumn);
  if (price >= 0 && static_cast<size_t>(price) < first.size()) {
    const std::string text(trim(first[static_cast<size_t>(price)]));
    char* end = nullptr;
    std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0') header = true;
  }
  if (!header) return;
  const std::string row = std::to_string(options.startRow);
  prompter.showMessage("Row " + row + " looks like a header, not a product; if it is one, import with "
                       "--start-row " + std::to_string(options.startRow + 1) + ".",
                       PromptIcon::kWarning);
}

// Prints how many products in how many categories were imported, and how
// many of the file's rows (the non-empty lines from the start row on) were
// not: rejected by the product rules or merged into a row of the same part
// number.
int reportImport(const CliContext& context, const std::filesystem::path& file, int32_t startRow,
                 CExtraFields& table) {
  std::string text, error;
  if (readWholeFile(file, &text, &error) != FileReadResult::kRead) return failure(error);
  size_t lines = 0;
  int32_t row = 0;
  LineCursor cursor(text);
  std::string_view line;
  while (cursor.next(&line)) {
    if (++row >= startRow && !line.empty()) ++lines;
  }
  // The rows are read again only to be counted: the messages about rows
  // left out were shown when the import read them.
  ScriptedPrompter shownAlready;
  Env counting(context.env.home(), shownAlready);
  table.clearRows();
  Status loaded = table.loadRows(counting);
  if (!loaded.ok()) return failure(loaded.message());
  const size_t imported = table.rows.size();
  std::set<std::string> categories;
  for (const CExtraItem& item : table.rows) categories.insert(item.category);
  table.clearRows();
  std::string summary = "Imported " + plural(imported, "product") + " in " +
                        plural(categories.size(), "category", "categories") + ".";
  if (lines > imported) summary += " " + plural(lines - imported, "row") + " not imported.";
  return reportChange(context, summary);
}

int runImport(CliContext& context) {
  ImportOptions options;
  const std::string error = parseImportOptions(context.args, &options);
  if (!error.empty()) return usageError(context, error);
  std::optional<std::string> pictureFolder = utf8ToCp1252(options.pictureFolder);
  if (!pictureFolder) return failure("the picture folder holds characters a document cannot store");

  CBrenquilDoc doc(context.env);
  if (int result = openCompany(options.document, doc)) return result;
  ImportWizard wizard(context.env, *doc.m_pExtraFields);
  // FILE is named on the command line, so a relative name is relative to the
  // current folder (the wizard resolves stored paths against the home).
  std::error_code absoluteError;
  const std::filesystem::path file = std::filesystem::absolute(options.file, absoluteError);
  if (absoluteError) return failure("Cannot find " + options.file + ": " + absoluteError.message());
  if (!wizard.start(file.string())) return failure("The import was not started.");
  wizard.setStartRow(options.startRow);
  wizard.setDelimiter(options.delimiter);
  wizard.setQualifier(options.qualifier);
  ImportWizard::Preview preview;
  wizard.preview(&preview);
  if (!wizard.leaveDelimiterPage()) return failure("The file could not be split.");
  for (const auto& [position, label] : options.labels) {
    if (position >= preview.columns) {
      return failure("the file has no column " + std::to_string(position + 1) + " (its first row has " +
                     std::to_string(preview.columns) + ")");
    }
    if (!wizard.chooseLabel(position, label)) return failure("The columns were not labelled.");
  }
  if (wizard.positionOf(kPictureColumn) >= 0) wizard.setPictureFolder(*pictureFolder);
  if (!wizard.leaveLabelPage()) return failure("The columns were not labelled.");
  warnOfHeaderRow(options, wizard, preview, context.env.prompter());
  wizard.buildCategoryList();
  if (int result = describeCategories(options, wizard)) return result;
  if (!wizard.finish()) return failure("PriceList.txt could not be written.");
  Status status = doc.save(options.document);
  if (!status.ok()) return failure(status.message());
  return reportImport(context, file, options.startRow, *doc.m_pExtraFields);
}

int runCreateProducts(CliContext& context) {
  if (context.args.size() != 1) return usageError(context, "expected one DOC.qvx");
  CBrenquilDoc doc(context.env);
  if (int result = openCompany(context.args[0], doc)) return result;
  ProductListConversion conversion(context.env);
  if (!conversion.confirmCreateNew(*doc.m_pExtraFields)) {
    return failure("The product list was left as it was.");
  }
  if (!conversion.startNewList(*doc.m_pExtraFields)) {
    return failure("PriceList.txt could not be written.");
  }
  Status status = doc.save(context.args[0]);
  if (!status.ok()) return failure(status.message());
  return reportChange(context, "Started an empty product list kept in the program.");
}

}  // namespace

void addProductCommands(std::vector<CliCommand>& commands) {
  commands.push_back(
      {"products", "DOC.qvx [--sorted]", "Print the product rows as JSON.",
       "Loads the rows as every product step does (PriceList.txt, refreshed from the external\n"
       "file of an imported table) and prints them cleaned, as they are written and shown,\n"
       "feature selections included. --sorted applies the table's product order.\n",
       runProducts});
  commands.push_back(
      {"import",
       "DOC.qvx FILE --start-row N --delimiter C --qualifier C --label COLUMN=LABEL ...\n"
       "       [--picture-folder DIR] [--category NAME=DESCRIPTION ...]",
       "Import an external product list into a company document.",
       "Runs the import wizard without its dialogs and saves the document. Options:\n"
       "  --start-row N     the first row of products (lines before it are skipped)\n"
       "  --delimiter C     one character, or tab, comma, pipe, semicolon\n"
       "  --qualifier C     the text qualifier: one character, or none\n"
       "  --label N=LABEL   labels column N (counted from 1, as rows are): Part Number,\n"
       "                    Description, Price, Weight, Category, Sales Blurb, Link,\n"
       "                    Picture, Picture Flag, Link Flag, Publish Flag, Featured\n"
       "                    Flag (any case)\n"
       "  --picture-folder DIR   the folder of the pictures named in the Picture column\n"
       "  --category NAME=DESCRIPTION   the name shown on the site for a category, or\n"
       "                    DO NOT PUBLISH to leave its products out\n"
       "Prints how many products in how many categories were imported and how many\n"
       "rows were not; warns when the first imported row looks like a header.\n",
       runImport});
  commands.push_back({"create-products", "DOC.qvx", "Start a new product list in the program.",
                      "Replaces the company's product list by an empty one maintained in the\n"
                      "program (asking first when there is one) and saves the document.\n",
                      runCreateProducts});
}

}  // namespace quorvex::cli
