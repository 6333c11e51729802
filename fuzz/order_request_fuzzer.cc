// Feeds arbitrary bytes to the order request parser as an order body. A
// request the parser accepts is priced against a small catalogue, and the
// texts and sales-log lines of the order are made: nothing may crash, an
// accepted request holds no control character outside its comments, and
// every sales-log entry is exactly one line.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "publish/order_pricing.h"
#include "publish/order_request.h"
#include "publish/order_text_fields.h"
#include "publish/sales_log_lines.h"

namespace {

using namespace quorvex;

OrderCatalogue catalogue() {
  OrderCatalogue catalogue;
  catalogue.products = {
      {"TENT", "Tent", 24900, 2.1, true, false, {{"Colour", {"Green", "Red"}}}, "", ""},
      {"MAP", "Map", 950, 0, false, true, {}, "", "map.pdf"}};
  catalogue.taxes = {{"WA", 0.065}};
  catalogue.shippingBasis = OrderCatalogue::ShippingBasis::kWeight;
  catalogue.shippingTypes = {{"Ground", 0, {1, 5}, {500, 900, 1500}}};
  catalogue.extraFields = {{"gift", "Gift note", 20}};
  catalogue.paymentMethods = {"Visa", "Invoice"};
  return catalogue;
}

bool holdsControl(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) < 0x20) return true;
  }
  return false;
}

void checkOneLine(const std::string& line) {
  if (line.empty() || line.back() != '\n' || line.find_first_of("\r\n") != line.size() - 1) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const OrderCatalogue shop = catalogue();
  OrderRequest request;
  const std::string_view body(reinterpret_cast<const char*>(data), size);
  if (!parseOrderRequest(body, request).ok()) return 0;
  if (holdsControl(request.vendor) || holdsControl(request.email) ||
      holdsControl(request.billing.street) || holdsControl(request.paymentMethod)) {
    std::abort();
  }
  PlacedOrder order{request, {}, "100001", "123456789012", "2026-01-01 00:00:00 UTC", "", {}, "",
                    ""};
  if (!priceOrder(order.request, shop, order.priced).ok()) return 0;
  OrderTextFields(order, shop).fill("[FNAME] [THE_SHOPPING_LIST] [gift] [",
                                    OrderTextFields::Escape::kHtml);
  const SalesLogLines lines = SalesLogLines::of(order, shop);
  checkOneLine(lines.header);
  checkOneLine(lines.payment);
  checkOneLine(lines.misc);
  return 0;
}
