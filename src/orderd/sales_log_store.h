#ifndef QUORVEX_ORDERD_SALES_LOG_STORE_H_
#define QUORVEX_ORDERD_SALES_LOG_STORE_H_

#include <filesystem>

#include "platform/status.h"
#include "publish/order_catalogue.h"
#include "publish/placed_order.h"

namespace quorvex {

// The sales logs of a merchant's folder: <folder>/.logFile/header.dat,
// items.dat, payment.dat and misc.dat, which the owner's program renames to
// .bak and fetches by FTP.
//
// Every order is recorded under an exclusive lock (flock) on
// .logFile/.lock, which also holds the last order number given. The FTP
// server takes the same lock to rename a log of .logFile, so an order is
// never appended to a log that is being taken away: each line lands whole in
// exactly one download.
class SalesLogStore {
 public:
  // The file of .logFile that is locked and holds the last order number.
  static constexpr char kLockFileName[] = ".lock";

  // Gives `order` the next order number of `merchantFolder` (six digits,
  // 100001 after 999999 and for the first order) and appends its lines
  // (SalesLogLines) to the four logs. Fails, with nothing appended, when the
  // folder cannot be locked or a log cannot be written whole (the logs
  // written before are cut back).
  static Status record(const std::filesystem::path& merchantFolder, PlacedOrder& order,
                       const OrderCatalogue& catalogue);
};

}  // namespace quorvex

#endif  // QUORVEX_ORDERD_SALES_LOG_STORE_H_
