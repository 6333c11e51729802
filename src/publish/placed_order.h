#ifndef QUORVEX_PUBLISH_PLACED_ORDER_H_
#define QUORVEX_PUBLISH_PLACED_ORDER_H_

#include <string>
#include <vector>

#include "publish/order_pricing.h"
#include "publish/order_request.h"

namespace quorvex {

// An order the order server has accepted: the request, its prices, and what
// the server added. The texts and log lines are made from it.
struct PlacedOrder {
  OrderRequest request;
  PricedOrder priced;
  // Six digits.
  std::string orderNumber;
  // Twelve digits.
  std::string customerId;
  // When the order arrived ("2026-12-09 17:40:15 UTC").
  std::string date;
  // When the order's downloads expire, in the same form.
  std::string downloadsExpire;
  // One per line of `priced`: the address the customer downloads the line's
  // item from; empty for a shipped item or one the merchant delivers
  // otherwise.
  std::vector<std::string> downloadLinks;
  std::string remoteAddress;
  std::string userAgent;
};

// Returns how the payment of an order paid by `method` stands: the order
// server takes no payment itself, so card methods (a name holding "card",
// "visa", "discover", "american express", "amex", "diners" or "jcb", any
// case) are "awaiting card payment", any other method "awaiting payment".
std::string paymentStatus(std::string_view method);

}  // namespace quorvex

#endif  // QUORVEX_PUBLISH_PLACED_ORDER_H_
