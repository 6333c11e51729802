#include "app/sales_log_tables.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

#include "platform/strings.h"
#include "platform/text_file.h"
#include "products/field_splitter.h"
#include "publish/sales_log_files.h"

namespace quorvex {

namespace {

// The value of a cell that is a decimal number as a whole, blanks around it
// aside; nullopt for any other cell.
std::optional<double> numberIn(std::string_view cell) {
  cell = trim(cell);
  double value = 0;
  const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value,
                                            std::chars_format::fixed);
  // "nan" and "inf" read as numbers but have no place in the order.
  if (cell.empty() || error != std::errc() || end != cell.data() + cell.size() ||
      !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

std::vector<SalesLogTable> readSalesLogTables(const std::filesystem::path& siteFolder) {
  std::vector<SalesLogTable> tables;
  for (const char* name : kSalesLogNames) {
    SalesLogTable table{name, {}, {}};
    const std::filesystem::path file = siteFolder / (std::string(name) + ".csv");
    std::error_code missing;
    if (std::filesystem::exists(file, missing)) {
      FileLines lines = readFileLines(file, "\n");
      if (lines.error) table.error = file.string() + ": " + lines.error.message();
      std::string_view rest = lines.text;
      while (!rest.empty()) {
        const size_t end = rest.find('\n');
        std::vector<std::string> fields;
        splitFields(rest.substr(0, end), ',', '"', &fields);
        table.rows.push_back(std::move(fields));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
      }
    }
    tables.push_back(std::move(table));
  }
  return tables;
}

bool salesLogCellLess(std::string_view a, std::string_view b) {
  const std::optional<double> numberA = numberIn(a);
  const std::optional<double> numberB = numberIn(b);
  if (numberA && numberB) return *numberA < *numberB;
  if (numberA || numberB) return numberA.has_value();
  return a < b;
}

}  // namespace quorvex
