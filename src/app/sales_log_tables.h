#ifndef QUORVEX_APP_SALES_LOG_TABLES_H_
#define QUORVEX_APP_SALES_LOG_TABLES_H_

#include <filesystem>
#include <string>
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

}  // namespace quorvex

#endif  // QUORVEX_APP_SALES_LOG_TABLES_H_
