#include "publish/order_pricing.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

OrderCatalogue shop(OrderCatalogue::ShippingBasis basis) {
  OrderCatalogue catalogue;
  catalogue.products = {
      {"TENT", "Tent", 24900, 2.5, true, false, {{"Colour", {"Green", "Red"}}}, "", ""},
      {"MAP", "Map", 950, 0.5, false, false, {}, "", ""},
      {"MUG", "Mug", 1200, 0.3, true, false, {{"Name", {"User Input", "5"}}}, "", ""},
      {"GUIDE", "E-book", 1000, 0, true, true, {}, "", "guide.pdf"},
      {"YACHT", "Yacht", kMaxCatalogueCents, 0, true, false, {}, "", ""},
  };
  catalogue.taxes = {{"WA", 0.065}, {"Washington", 0.065}, {"Seattle, WA", 0.101},
                     {"Canada", 0.05}};
  catalogue.shippingBasis = basis;
  catalogue.handlingCharge = 150;
  catalogue.shippingTypes = {{"Ground", 400, {50, 150}, {695, 995, 1295}},
                             {"Pigeon", 0, {}, {}}};
  catalogue.extraFields = {{"gift", "Gift note", 5}};
  catalogue.paymentMethods = {"Visa", "Invoice"};
  return catalogue;
}

OrderItem item(const char* part, int quantity, const char* price,
               std::vector<std::pair<std::string, std::string>> options = {}) {
  return {part, quantity, price, std::move(options)};
}

OrderAddress address(const char* city, const char* state, const char* country) {
  OrderAddress to;
  to.city = city;
  to.state = state;
  to.country = country;
  return to;
}

OrderRequest order(std::vector<OrderItem> items) {
  OrderRequest request;
  request.items = std::move(items);
  request.paymentMethod = "Visa";
  request.shipping = address("Spokane", "WA", "USA");
  request.taxRegion = "wa";
  request.shippingType = "Ground";
  return request;
}

TEST(OrderPricingTest, PricesFromTheCatalogueWithTaxAndShippingByEachBasis) {
  using Basis = OrderCatalogue::ShippingBasis;
  struct Case {
    Basis basis;
    std::vector<OrderItem> items;
    Cents subtotal, tax, shipping;
  };
  const Case cases[] = {
      // 2 tents 498.00 (taxed 6.5 %) + 3 maps 28.50 (untaxed): subtotal above 150.
      {Basis::kSubtotal, {item("TENT", 2, "249.00", {{"Colour", "Red"}}), item("MAP", 3, "9.5")},
       52650, 3237, 1295 + 150},
      // Weight 2 x 0.5 = 1: the first range.
      {Basis::kWeight, {item("MAP", 2, "9.50")}, 1900, 0, 695 + 150},
      // Quantity 60 is above the first limit and at most the second.
      {Basis::kQuantity, {item("MAP", 60, "9.50")}, 57000, 0, 995 + 150},
      {Basis::kFlatRate, {item("MAP", 1, "9.50")}, 950, 0, 400 + 150},
      // A download alone is not shipped, but taxed.
      {Basis::kSubtotal, {item("GUIDE", 1, "10.00")}, 1000, 65, 0},
      // A typed feature: any text that fits its box.
      {Basis::kFlatRate, {item("MUG", 1, "12.00", {{"Name", "Ann"}})}, 1200, 78, 400 + 150},
  };
  for (const Case& c : cases) {
    const OrderCatalogue catalogue = shop(c.basis);
    PricedOrder priced;
    ASSERT_TRUE(priceOrder(order(c.items), catalogue, priced).ok());
    EXPECT_EQ(priced.subtotal, c.subtotal);
    EXPECT_EQ(priced.tax, c.tax);
    EXPECT_EQ(priced.shipping, c.shipping);
    EXPECT_EQ(priced.grandTotal, c.subtotal + c.tax + c.shipping);
  }
}

TEST(OrderPricingTest, TaxFollowsTheShippingAddress) {
  struct Case {
    OrderAddress to;
    const char* declared;
    const char* charged;
  };
  const Case cases[] = {
      {address(" seattle ", "wa", "USA"), "", "Seattle, WA"},  // the city before the state
      {address("Spokane", "Washington", "USA"), "WA", "Washington"},  // one state, two names
      {address("Spokane", "WA", "USA"), "", "WA"},
      {address("Vancouver", "BC", "canada"), "Canada", "Canada"},
      {address("Lyon", "", "France"), "", ""},
  };
  const OrderCatalogue catalogue = shop(OrderCatalogue::ShippingBasis::kSubtotal);
  for (const Case& c : cases) {
    OrderRequest request = order({item("MAP", 1, "9.50")});
    request.shipping = c.to;
    request.taxRegion = c.declared;
    PricedOrder priced;
    ASSERT_TRUE(priceOrder(request, catalogue, priced).ok()) << c.to.city;
    EXPECT_EQ(priced.taxRegion, c.charged) << c.to.city;
  }
}

TEST(OrderPricingTest, RefusesWhatTheMerchantDoesNotOffer) {
  struct Case {
    OrderRequest request;
    const char* message;
  };
  auto with = [](auto change) {
    OrderRequest request = order({item("MAP", 1, "9.50")});
    change(request);
    return request;
  };
  const Case cases[] = {
      {order({item("SOCK", 1, "1.00")}), "The item SOCK is not sold here any more."},
      {order({item("MAP", 1, "8.50")}),
       "The price of MAP is now 9.50. Please check your cart again."},
      {order({item("TENT", 1, "249.00")}), "Please choose the Colour of TENT."},
      {order({item("TENT", 1, "249.00", {{"Colour", "Blue"}})}),
       "TENT is not offered with Colour \"Blue\"."},
      {order({item("MAP", 1, "9.50", {{"Size", "L"}})}), "MAP has no choice \"Size\"."},
      {order({item("MUG", 1, "12.00", {{"Name", "Alexander"}})}),
       "Please enter the Name of MUG (at most 5 characters)."},
      {order({item("MUG", 1, "12.00")}), "Please choose the Name of MUG."},
      {with([](OrderRequest& r) { r.paymentMethod = "Gold"; }),
       "Please choose one of the payment methods offered."},
      {with([](OrderRequest& r) { r.shippingType = ""; }),
       "Please choose one of the shipping types offered."},
      {with([](OrderRequest& r) { r.shippingType = "Pigeon"; }),
       "The shipping type Pigeon has no charges yet; please choose another."},
      {with([](OrderRequest& r) { r.taxRegion = "Mars"; }),
       "The tax region \"Mars\" is not known here."},
      {with([](OrderRequest& r) { r.taxRegion = "Canada"; }),
       "The tax region \"Canada\" does not fit the address (Spokane, WA, USA), which is taxed as "
       "\"WA\". Please check the address."},
      {with([](OrderRequest& r) { r.shipping = address("Lyon", "", "France"); }),
       "The tax region \"wa\" does not fit the address (Lyon, France), which owes no tax here. "
       "Please check the address."},
      {with([](OrderRequest& r) { r.extraFields = {{"gift", "too long"}}; }),
       "The field \"Gift note\" is longer than 5 characters."},
      {with([](OrderRequest& r) { r.extraFields = {{"coupon", "x"}}; }),
       "The order form has no field \"coupon\"."},
      {order({item("YACHT", kMaxQuantity, "9999999999.99")}),
       "An order above 1000000000000.00 cannot be taken here."},
  };
  const OrderCatalogue catalogue = shop(OrderCatalogue::ShippingBasis::kSubtotal);
  for (const Case& c : cases) {
    PricedOrder priced;
    EXPECT_EQ(priceOrder(c.request, catalogue, priced).message(), c.message);
  }
}

TEST(OrderPricingTest, CentsAreReadStrictlyAndRoundTrip) {
  EXPECT_EQ(parseCents("249"), 24900);
  EXPECT_EQ(parseCents(".5"), 50);
  EXPECT_EQ(parseCents("0.05"), 5);
  for (const char* bad : {"", ".", "-1", "1.005", "1e3", "12a", " 1", "12345678901"}) {
    EXPECT_EQ(parseCents(bad), std::nullopt) << bad;
  }
  EXPECT_EQ(formatCents(5), "0.05");
  EXPECT_EQ(formatCents(-125), "-1.25");
  EXPECT_EQ(applyRate(49800, 0.065), 3237);
}

}  // namespace
}  // namespace quorvex
