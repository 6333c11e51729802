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
  // The tax region charged (taxRegionOf() the shipping address); empty when
  // the address owes no tax.
  std::string taxRegion;
};

// The largest subtotal an order may have: 1,000,000,000,000.00. With the
// order data's limits (kMaxCatalogueCents, tax rates up to 100) the tax,
// shipping and grand total of such an order stay well inside Cents.
inline constexpr Cents kMaxOrderCents = 100'000'000'000'000;

// Returns the tax region of `address` among `taxes`: the first region that
// equals, without regard to case or surrounding blanks, "city, state", else
// the state (an abbreviation or a name), else the country; "" when none
// does. The shop's checkout applies the same rule.
std::string taxRegionOf(const OrderAddress& address, const std::vector<CatalogueTax>& taxes);

// Prices `request` from `catalogue` into `priced` (which then points into
// `catalogue`). Fails with the message the shop shows when a part number is
// not sold, a price the shop showed is not the catalogue's, an option is not
// one the product offers or a feature has no option chosen, the payment
// method, tax region or shipping type is not one the merchant offers (a
// shipping type is needed only when something is shipped and the merchant
// has types), an extra field is unknown or longer than its limit, or the
// subtotal is above kMaxOrderCents.
//
// Tax: the rate of the tax region of the shipping address (taxRegionOf())
// on the sum of the taxable lines; none when the address has no region. The
// request's taxRegion, when given, must be a known region with the same rate
// as the address's (the shop derives it by the same rule): a region that
// contradicts the address is refused with a message naming both.
//
// Shipping: by the catalogue's basis over the shipped lines (their
// subtotal, weight or quantity): the charge of the first range whose limit
// is at or above that value, else the last charge; a flat rate for the
// flat-rate basis; the handling charge added in both cases.
Status priceOrder(const OrderRequest& request, const OrderCatalogue& catalogue,
                  PricedOrder& priced);

}  // namespace quorvex

#endif  // QUORVEX_PUBLISH_ORDER_PRICING_H_
