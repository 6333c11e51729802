#ifndef QUORVEX_ORDERD_ORIGIN_POLICY_H_
#define QUORVEX_ORDERD_ORIGIN_POLICY_H_

#include <string>
#include <string_view>
#include <vector>

#include "publish/order_catalogue.h"

namespace quorvex {

// Returns the web origins of a merchant's shop: its own origin
// (OrderCatalogue::shopOrigin) with and without "www.", each over http and
// https, then the extra origins the owner named. Empty when the shop has no
// origin and the owner named none.
std::vector<std::string> shopOriginsOf(const OrderCatalogue& catalogue);

// Which web origins may read the order server's replies: a shop's own
// origins, and those the server's operator allows for every shop.
class OriginPolicy {
 public:
  // `serverOrigins` are allowed for every shop; one whose port is "*"
  // ("http://127.0.0.1:*") allows its scheme and host on any port.
  explicit OriginPolicy(std::vector<std::string> serverOrigins);

  // True when a page of `origin` may read a reply of the shop whose origins
  // are `shopOrigins` (shopOriginsOf()).
  bool allows(std::string_view origin, const std::vector<std::string>& shopOrigins) const;

 private:
  const std::vector<std::string> serverOrigins_;
};

}  // namespace quorvex

#endif  // QUORVEX_ORDERD_ORIGIN_POLICY_H_
