#ifndef QUORVEX_PUBLISH_ORDER_REQUEST_H_
#define QUORVEX_PUBLISH_ORDER_REQUEST_H_

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/status.h"

namespace quorvex {

// A postal address as the order form collects it.
struct OrderAddress {
  std::string firstName;
  std::string lastName;
  std::string street;
  std::string street2;
  std::string city;
  std::string state;
  std::string zip;
  std::string country;
};

// One line of the cart: a product, how many, the price the shop showed and
// the options chosen for the product's features (feature name, option).
struct OrderItem {
  std::string partNumber;
  int quantity = 0;
  // The unit price the customer saw, as text ("249.00").
  std::string shownPrice;
  std::vector<std::pair<std::string, std::string>> options;
};

// An order as the shop's checkout posts it (the README's "Order request"
// gives the JSON form). Strings are Windows-1252 with no control
// characters; nothing here has been checked against the merchant's data.
struct OrderRequest {
  std::string vendor;
  std::vector<OrderItem> items;
  OrderAddress billing;
  // When the request has none, the billing address.
  OrderAddress shipping;
  std::string email;
  std::string phone;
  std::string fax;
  std::string comments;
  // Values of the order form's extra fields (field name, value).
  std::vector<std::pair<std::string, std::string>> extraFields;
  std::string paymentMethod;
  std::string taxRegion;
  std::string shippingType;
  // The key the checkout made for this cart (kMinOrderKeyChars to
  // kMaxOrderKeyChars of A-Z a-z 0-9 - _), or empty: the order server takes
  // an order with a key once and answers a repeated key with that order.
  std::string orderKey;
};

// The limits of a request: a body above kMaxOrderRequestBytes is refused
// before it is parsed.
inline constexpr size_t kMaxOrderRequestBytes = 64 * 1024;
inline constexpr size_t kMaxOrderItems = 100;
inline constexpr size_t kMaxItemOptions = 20;
inline constexpr size_t kMaxExtraFields = 50;
inline constexpr size_t kMaxFieldChars = 200;
inline constexpr size_t kMaxCommentChars = 2000;
inline constexpr int kMaxQuantity = 9999;
inline constexpr size_t kMinOrderKeyChars = 16;
inline constexpr size_t kMaxOrderKeyChars = 64;

// Reads the JSON body of an order request into `request`. Fails with the
// message the shop shows when the body is not a JSON object of the
// documented form: an unknown, doubled or mistyped member (a card number
// is never accepted, nor a card-number-like run of digits in any text the
// customer types freely: names, addresses, comments, extra fields and typed
// options; see holdsCardNumber()), an order key of the wrong form, a text
// that is too long or holds control characters (the comments may hold line
// breaks, which become spaces elsewhere), a
// character outside Windows-1252, a quantity outside 1 to kMaxQuantity,
// too many items, or a missing vendor, item list, first or last name,
// street, city, zip, country, e-mail address or payment method.
Status parseOrderRequest(std::string_view body, OrderRequest& request);

// True when `address` is a plain e-mail address (local@domain, no blanks,
// commas, angle brackets or quotes, a dot in the domain), the only kind the
// order server mails to.
bool isPlainEmailAddress(std::string_view address);

}  // namespace quorvex

#endif  // QUORVEX_PUBLISH_ORDER_REQUEST_H_
