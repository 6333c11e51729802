#ifndef QUORVEX_ORDERD_SALES_LOG_STORE_H_
#define QUORVEX_ORDERD_SALES_LOG_STORE_H_

#include <filesystem>
#include <memory>

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

  // Opens and locks the sales logs of `merchantFolder` into `store`; the
  // lock is held until the store goes. Fails when the folder cannot be made
  // or locked.
  static Status lock(const std::filesystem::path& merchantFolder,
                     std::unique_ptr<SalesLogStore>& store);
  ~SalesLogStore();
  SalesLogStore(const SalesLogStore&) = delete;
  SalesLogStore& operator=(const SalesLogStore&) = delete;

  // Gives `order` the next order number (six digits, 100001 after 999999
  // and for the first order), on disk when this returns success.
  Status giveNumber(PlacedOrder& order);

  // Appends the lines of `order` (SalesLogLines) to the four logs, flushed
  // to disk when this returns success. Fails, with nothing appended, when a
  // log cannot be written whole (the logs written before are cut back).
  Status append(const PlacedOrder& order, const OrderCatalogue& catalogue);

  // True when the header log (or its copy that a download is taking) has a
  // line of the order `orderNumber`.
  bool holds(const std::string& orderNumber) const;

 private:
  SalesLogStore(std::filesystem::path logs, int lockFd);

  const std::filesystem::path logs_;
  const int lockFd_;
};

}  // namespace quorvex

#endif  // QUORVEX_ORDERD_SALES_LOG_STORE_H_
