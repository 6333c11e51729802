#include "publish/order_request.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

namespace quorvex {
namespace {

using nlohmann::json;

json validOrder() {
  return json::parse(R"({
    "vendor": "acme",
    "items": [{"part": "TENT", "quantity": 2, "price": "249.00",
               "options": {"Colour": "Green"}}],
    "billing": {"firstName": "Zoë", "lastName": "Lee", "street": "1 Main St",
                "city": "Seattle", "state": "WA", "zip": "98101", "country": "USA"},
    "email": "ann@example.com",
    "comments": "Ring\nthe bell",
    "extraFields": {"gift": "Yes"},
    "payment": "Visa", "taxRegion": "WA", "shippingType": "Ground"})");
}

TEST(OrderRequestTest, ReadsAnOrderAndShipsToTheBillingAddressWhenNoOtherIsGiven) {
  OrderRequest request;
  ASSERT_TRUE(parseOrderRequest(validOrder().dump(), request).ok());
  EXPECT_EQ(request.billing.firstName, "Zo\xEB");  // Windows-1252
  EXPECT_EQ(request.shipping.street, "1 Main St");
  ASSERT_EQ(request.items.size(), 1u);
  EXPECT_EQ(request.items[0].quantity, 2);
  EXPECT_EQ(request.items[0].options, (std::vector<std::pair<std::string, std::string>>{
                                          {"Colour", "Green"}}));
  EXPECT_EQ(request.comments, "Ring\nthe bell");
  json keyed = validOrder();
  keyed["orderKey"] = "Zk3_-9aQ0pLmN2xY7";
  ASSERT_TRUE(parseOrderRequest(keyed.dump(), request).ok());
  EXPECT_EQ(request.orderKey, "Zk3_-9aQ0pLmN2xY7");
}

TEST(OrderRequestTest, RefusesWhatTheShopMustNotSend) {
  struct Case {
    const char* pointer;  // JSON pointer of the member to change
    json value;           // null removes it
    const char* message;
  };
  const Case cases[] = {
      {"/vendor", nullptr, "Please fill in the field \"vendor\"."},
      {"/items", json::array(), "The cart is empty."},
      {"/items/0/quantity", 0, "must be a whole number from 1 to 9999"},
      {"/items/0/quantity", 1.5, "must be a whole number from 1 to 9999"},
      {"/items/0/price", 249, "The field \"items[0].price\" must be a text."},
      {"/billing/city", nullptr, "Please fill in the field \"billing.city\"."},
      {"/billing/street", "a\r\nBcc: x@y.z", "holds a control character"},
      {"/email", "ann@example.com\r\nBcc: all@example.com", "holds a control character"},
      {"/email", "ann@example.com, b@example.com", "Please give a valid e-mail address."},
      {"/email", "nobody", "Please give a valid e-mail address."},
      {"/cardNumber", "4111111111111111", "unknown field \"cardNumber\""},
      {"/billing/phone2", "1", "unknown field \"phone2\""},
      {"/comments", std::string(2001, 'x'), "longer than 2000 characters"},
      {"/payment", "\xF0\x9F\x98\x80", "a character the shop cannot take"},
      {"/comments", "Use card 4111-1111-1111-1111",
       "Please remove the card number from the comments: this shop never stores or e-mails "
       "card numbers."},
      {"/billing/street2", "4111111111111111", "from the billing address"},
      {"/extraFields/gift", "4111 1111 1111 1111", "from \"gift\""},
      {"/orderKey", "short", "The order key is not valid."},
      {"/orderKey", "abcdefghijklmnop/", "The order key is not valid."},
  };
  for (const Case& c : cases) {
    json order = validOrder();
    const json::json_pointer pointer(c.pointer);
    if (c.value.is_null()) {
      order[pointer.parent_pointer()].erase(pointer.back());
    } else {
      order[pointer] = c.value;
    }
    OrderRequest request;
    const Status status = parseOrderRequest(order.dump(), request);
    EXPECT_NE(status.message().find(c.message), std::string::npos)
        << c.pointer << ": " << status.message();
  }
  OrderRequest request;
  EXPECT_EQ(parseOrderRequest("[1,2", request).message(), "The order is not valid JSON.");
  EXPECT_EQ(parseOrderRequest("[]", request).message(), "The order is not a JSON object.");
  EXPECT_EQ(parseOrderRequest(R"({"vendor": "a", "billing": {"city": "x", "city": "y"}})", request)
                .message(),
            "The order names the field \"city\" twice.");
  EXPECT_EQ(parseOrderRequest(std::string(kMaxOrderRequestBytes + 1, ' '), request).message(),
            "The order is too large.");
}

}  // namespace
}  // namespace quorvex
