#ifndef QUORVEX_ORDERD_ORDER_KEYS_H_
#define QUORVEX_ORDERD_ORDER_KEYS_H_

#include <filesystem>
#include <optional>
#include <string>

#include "orderd/sweep_schedule.h"
#include "platform/status.h"

namespace quorvex {

// The orders a merchant took with an order key (OrderRequest::orderKey), so
// that a checkout that sends its order again (a second click, a retry after
// a lost reply) gets the first order's answer instead of a second order.
// Each key is the file .orderkeys/<key> of the merchant's folder: "pending"
// or "taken", the order number, the customer ID, the grand total, the
// order's date and whether its mails were spooled ("1" or "0"), one per
// line. A key is kept "pending" once its order has a number and before the
// order is logged, and "taken" once the order is logged and its mails are
// spooled: a pending key that a request finds tells of an order that a
// crash cut short, to be finished under its number. Keys are kept for
// kKeyLife and then swept, at most once an hour per merchant. Callers hold
// the merchant's sales-log lock (SalesLogStore) around find() and keep(),
// so that two requests with one key cannot both miss it.
class OrderKeys {
 public:
  static constexpr std::chrono::hours kKeyLife{24 * 30};

  // What a repeated key is answered with.
  struct KeptOrder {
    // False while the order is being taken.
    bool taken = false;
    std::string orderNumber;
    std::string customerId;
    std::string grandTotal;
    std::string date;
    bool mailed = true;
  };

  OrderKeys();
  OrderKeys(const OrderKeys&) = delete;
  OrderKeys& operator=(const OrderKeys&) = delete;

  // Returns the order kept for `key` in `merchantFolder`, or nullopt.
  std::optional<KeptOrder> find(const std::filesystem::path& merchantFolder,
                                const std::string& key) const;

  // Keeps `order` for `key`, on disk when this returns success.
  [[nodiscard]] Status keep(const std::filesystem::path& merchantFolder, const std::string& key,
                            const KeptOrder& order);

 private:
  SweepSchedule sweeps_;
};

}  // namespace quorvex

#endif  // QUORVEX_ORDERD_ORDER_KEYS_H_
