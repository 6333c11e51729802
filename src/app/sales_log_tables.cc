#include "app/sales_log_tables.h"

#include <string_view>

#include "platform/text_file.h"
#include "products/field_splitter.h"
#include "publish/sales_log_files.h"

namespace quorvex {

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

}  // namespace quorvex
