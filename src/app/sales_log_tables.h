#ifndef QUORVEX_APP_SALES_LOG_TABLES_H_
#define QUORVEX_APP_SALES_LOG_TABLES_H_

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

// One of the four accumulated sales logs of a site folder, split for a
// table: each line of the file a row, its comma-separated fields (double
// quotes around a field that holds a comma) the cells.
struct SalesLogTable {
  // "header", "items", "payment" or "misc".
  std::string name;
  std::vector<std::vector<std::string>> rows;
  // Why the file could not be read; empty when it was read or does not
  // exist yet (no entries).
  std::string error;
};

// Returns the four logs of `siteFolder` (header.csv, items.csv, payment.csv,
// misc.csv) in that order.
std::vector<SalesLogTable> readSalesLogTables(const std::filesystem::path& siteFolder);

// Whether `a` sorts before `b` in a column of a log table: a cell that reads
// as a whole as a decimal number ("12.50", " 7") sorts by its value and
// before every other cell; other cells sort byte by byte.
bool salesLogCellLess(std::string_view a, std::string_view b);

}  // namespace quorvex

#endif  // QUORVEX_APP_SALES_LOG_TABLES_H_
