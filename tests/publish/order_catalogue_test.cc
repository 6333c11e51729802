#include "publish/order_catalogue.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

TEST(OrderCatalogueTest, ReadsBackWhatItWritesAndRefusesDamagedData) {
  OrderCatalogue written;
  written.products = {
      {"CAF\xC9", "Caf\xE9 mug", 1250, 0.4, false, true, {{"Size", {"S", "L"}}}, "", "mug.zip"}};
  written.taxes = {{"WA", 0.065}};
  written.shippingBasis = OrderCatalogue::ShippingBasis::kWeight;
  written.handlingCharge = 150;
  written.shippingTypes = {{"Ground", 0, {50}, {695, 995}}};
  written.extraFields = {{"gift", "Gift note", 40}};
  written.paymentMethods = {"Visa"};
  written.shopOrigin = "https://shop.example";
  written.orderEmail = "orders@shop.example";
  written.downloadExpiryDays = 3;

  OrderCatalogue read;
  ASSERT_TRUE(OrderCatalogue::fromJson(written.toJson(), read).ok());
  EXPECT_EQ(read.toJson(), written.toJson());
  ASSERT_NE(read.findProduct("CAF\xC9"), nullptr);
  EXPECT_EQ(read.findProduct("CAF\xC9")->features[0].options[1], "L");
  // Order data of a build that wrote no download locations is still read.
  std::string withoutLocations = written.toJson();
  withoutLocations.erase(withoutLocations.find("\"downloadFile\""),
                         withoutLocations.find("\"features\"") -
                             withoutLocations.find("\"downloadFile\""));
  ASSERT_TRUE(OrderCatalogue::fromJson(withoutLocations, read).ok()) << withoutLocations;
  EXPECT_EQ(read.products[0].downloadFile, "");

  struct Case {
    std::string json;
    const char* message;
  };
  std::string wrongKind = written.toJson();
  wrongKind.replace(wrongKind.find("\"price\": 1250"), 13, "\"price\": \"12\"");
  std::string badTable = written.toJson();
  badTable.replace(badTable.find("695,"), 4, "");
  // Numbers that would overflow the pricing or are no amount at all.
  auto withPrice = [&](const std::string& price) {
    std::string json = written.toJson();
    return json.replace(json.find("\"price\": 1250"), 13, "\"price\": " + price);
  };
  auto withDownloadFile = [&](const std::string& name) {
    std::string json = written.toJson();
    return json.replace(json.find("\"mug.zip\""), 9, "\"" + name + "\"");
  };
  std::string hugeRate = written.toJson();
  hugeRate.replace(hugeRate.find("\"rate\": 0.065"), 13, "\"rate\": 1e9");
  const Case cases[] = {
      {"{", "The order data is not valid JSON."},
      {"{}", "The order data has no valid \"products\"."},
      {wrongKind, "The order data has no valid \"products[0].price\"."},
      {badTable, "shipping type \"Ground\" needs one charge more than it has limits."},
      {withPrice("-1"), "no valid \"products[0].price\""},
      {withPrice("12.5"), "no valid \"products[0].price\""},
      {withPrice("1e300"), "no valid \"products[0].price\""},
      {withPrice("1000000000000"), "no valid \"products[0].price\""},
      {hugeRate, "no valid \"taxes[0].rate\""},
      {withDownloadFile("../mug.zip"), "no valid \"products[0].downloadFile\""},
      {withDownloadFile(".."), "no valid \"products[0].downloadFile\""},
      {withDownloadFile("a\\\\b.zip"), "no valid \"products[0].downloadFile\""},
  };
  for (const Case& c : cases) {
    EXPECT_NE(OrderCatalogue::fromJson(c.json, read).message().find(c.message), std::string::npos)
        << c.message;
  }
}

}  // namespace
}  // namespace quorvex
