#ifndef QUORVEX_PUBLISH_SALES_LOG_FILES_H_
#define QUORVEX_PUBLISH_SALES_LOG_FILES_H_

namespace quorvex {

// Where the order server keeps a merchant's sales logs, as both the order
// server (which appends to them) and the sales-log download (which renames
// and fetches them) name them.

// The folder of the logs in the merchant's account folder.
inline constexpr char kSalesLogFolder[] = ".logFile";

// The four logs, always handled in this order. On the server each is
// <name>.dat (and <name>.bak while a download takes it); at home the
// download appends it to <name>.csv.
inline constexpr const char* kSalesLogNames[] = {"header", "items", "payment", "misc"};

}  // namespace quorvex

#endif  // QUORVEX_PUBLISH_SALES_LOG_FILES_H_
