// Feeds arbitrary bytes to the splitting and parsing of product files: the
// first bytes choose the delimiter, the text qualifier, the file version and
// the column positions of an external file, the rest is the file. Every line
// must split and parse without crashing, and every parsed row, written as a
// PriceList.txt line, must split back into exactly its columns.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/scripted_prompter.h"
#include "products/extra_fields.h"
#include "products/field_splitter.h"
#include "products/line_cursor.h"
#include "products/price_list_writer.h"
#include "products/product_column.h"
#include "products/product_row_parser.h"

namespace {

using quorvex::CExtraFields;

constexpr std::string_view kVersions[] = {"4.2b", "4.2a", "", "4.1"};

// Takes the next byte of the settings, 0 when there is none.
uint8_t take(std::string_view& input) {
  if (input.empty()) return 0;
  const uint8_t byte = static_cast<uint8_t>(input.front());
  input.remove_prefix(1);
  return byte;
}

CExtraFields tableFor(std::string_view& input) {
  CExtraFields table;
  table.inProgram = take(input) & 1;
  table.delimiter = static_cast<char>(take(input));
  table.quoteChar = static_cast<char>(take(input));
  table.fileVersion = std::string(kVersions[take(input) % 4]);
  for (int32_t column = 0; column < quorvex::kProductColumnCount; ++column) {
    table.columnIndex[column] = static_cast<int32_t>(take(input) % 24) - 2;
  }
  table.featureDefinitions = {{"Size", {"S", "M", "L"}}, {"Gift", {}}, {"Colour", {"Red", "Blue"}}};
  table.categoryNames = {"none", "Tools", " "};
  table.categoryDescriptions = {"Our Products", "DO NOT PUBLISH", "Blank"};
  return table;
}

// The selections of a parsed row, padded to one per definition as the
// table's rows hold them.
void padSelections(const CExtraFields& table, quorvex::CExtraItem& item) {
  for (size_t i = item.featureSelections.size(); i < table.featureDefinitions.size(); ++i) {
    item.featureSelections.emplace_back(table.featureDefinitions[i].name, 0,
                                        std::vector<std::string>{});
  }
}

void checkWrittenLine(const CExtraFields& table, quorvex::CExtraItem& item) {
  padSelections(table, item);
  std::string line;
  quorvex::appendPriceListLine(item, table.featureDefinitions, &line);
  line.resize(line.size() - 2);  // the line end
  std::vector<std::string> fields;
  quorvex::splitFields(line, ',', '"', &fields);
  const size_t expected = quorvex::kProductColumnCount + table.featureDefinitions.size();
  if (fields.size() != expected) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static quorvex::ScriptedPrompter prompter;
  std::string_view input(reinterpret_cast<const char*>(data), size);
  const CExtraFields table = tableFor(input);
  quorvex::ProductRowParser own(table, true, prompter);
  quorvex::ProductRowParser external(table, false, prompter);
  quorvex::LineCursor lines(input);
  std::vector<std::string> fields;
  quorvex::ParsedRow row;
  std::string_view line;
  while (lines.next(&line)) {
    quorvex::splitFields(line, ',', '"', &fields);
    for (const std::string& field : fields) {
      if (field.empty()) std::abort();
    }
    if (own.parse(fields, &row)) checkWrittenLine(table, row.item);
    quorvex::splitFields(line, table.delimiter, table.quoteChar, &fields);
    if (external.parse(fields, &row)) checkWrittenLine(table, row.item);
  }
  prompter.clear();
  return 0;
}
