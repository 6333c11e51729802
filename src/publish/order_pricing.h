#ifndef QUORVEX_PUBLISH_ORDER_PRICING_H_
#define QUORVEX_PUBLISH_ORDER_PRICING_H_

#include <vector>

#include "platform/status.h"
#include "publish/cents.h"
#include "publish/order_catalogue.h"
#include "publish/order_request.h"

namespace quorvex {

// One line of an order, priced from the catalogue.
struct PricedLine {
  // Points into the catalogue the order was priced with.
  const CatalogueProduct* product = nullptr;
  int quantity = 0;
  // The options in the order of the product's features.
  std::vector<std::pair<std::string, std::string>> options;
  Cents unitPrice = 0;
  Cents total = 0;
};

// An order priced again by the order server: the browser's prices are only
// compared, never used.
struct PricedOrder {
  std::vector<PricedLine> lines;
  Cents subtotal = 0;
  Cents tax = 0;
  Cents shipping = 0;
  Cents grandTotal = 0;
  // The line has a product that is shipped / downloaded.
  bool hasShippedItems = false;
  bool hasDownloads = false;
  // The shipping type charged; empty when nothing is shipped or the
  // merchant offers no types.
  std::string shippingType;
};

// The largest subtotal an order may have: 1,000,000,000,000.00. With the
// order data's limits (kMaxCatalogueCents, tax rates up to 100) the tax,
// shipping and grand total of such an order stay well inside Cents.
inline constexpr Cents kMaxOrderCents = 100'000'000'000'000;

// Prices `request` from `catalogue` into `priced` (which then points into
// `catalogue`). Fails with the message the shop shows when a part number is
// not sold, a price the shop showed is not the catalogue's, an option is not
// one the product offers or a feature has no option chosen, the payment
// method, tax region or shipping type is not one the merchant offers (a
// shipping type is needed only when something is shipped and the merchant
// has types), an extra field is unknown or longer than its limit, or the
// subtotal is above kMaxOrderCents.
//
// Tax: the rate of the tax whose region equals the request's taxRegion
// (without regard to case) on the sum of the taxable lines; no tax for an
// empty region. Shipping: by the catalogue's basis over the shipped lines
// (their subtotal, weight or quantity): the charge of the first range whose
// limit is at or above that value, else the last charge; a flat rate for
// the flat-rate basis; the handling charge added in both cases.
Status priceOrder(const OrderRequest& request, const OrderCatalogue& catalogue,
                  PricedOrder& priced);

}  // namespace quorvex

#endif  // QUORVEX_PUBLISH_ORDER_PRICING_H_
