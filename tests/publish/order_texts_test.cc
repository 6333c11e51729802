#include <gtest/gtest.h>

#include "publish/order_notify_data.h"
#include "publish/order_text_fields.h"
#include "publish/sales_log_lines.h"

namespace quorvex {
namespace {

// One accepted order of a tent with a colour, for the texts and log lines.
class OrderTextsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    catalogue_.products = {
        {"TENT", "Tent \"Dome\"", 24900, 2, true, false, {{"Colour", {"Red"}}}, "", ""}};
    catalogue_.extraFields = {{"gift", "Gift note", 40}, {"ref", "Reference", 10}};
    catalogue_.paymentMethods = {"Visa"};
    order_.request.vendor = "acme";
    order_.request.items = {{"TENT", 2, "249.00", {{"Colour", "Red"}}}};
    order_.request.billing = {"Ann", "Lee", "1 Main St", "", "Seattle", "WA", "98101", "USA"};
    order_.request.shipping = order_.request.billing;
    order_.request.email = "ann@example.com";
    order_.request.phone = "+1 555 0100";
    order_.request.comments = "Ring twice,\r\nthen wait";
    order_.request.extraFields = {{"gift", "<b>Happy</b>"}};
    order_.request.paymentMethod = "Visa";
    ASSERT_TRUE(priceOrder(order_.request, catalogue_, order_.priced).ok());
    order_.orderNumber = "100042";
    order_.customerId = "123456789012";
    order_.date = "2026-12-09 17:40:15 UTC";
  }

  OrderCatalogue catalogue_;
  PlacedOrder order_;
};

TEST_F(OrderTextsTest, FillsEveryKnownFieldAndMasksTheCard) {
  const OrderTextFields fields(order_, catalogue_);
  EXPECT_EQ(fields.fill("[FNAME] [LNAME] #[ORDERNUMBER] [GRANDTOTAL] [CARDNUMBER] [RTSTATUS] "
                        "[gift][ref] [NOTAFIELD] [[CITY]] [",
                        OrderTextFields::Escape::kNone),
            "Ann Lee #100042 498.00 **************** awaiting card payment <b>Happy</b> "
            "[NOTAFIELD] [Seattle] [");
  EXPECT_EQ(fields.fill("<p>[gift]</p>", OrderTextFields::Escape::kHtml),
            "<p>&lt;b&gt;Happy&lt;/b&gt;</p>");
  EXPECT_EQ(fields.value("THE_SHOPPING_LIST"),
            "2 x TENT Tent \"Dome\" (Colour: Red) at 249.00 = 498.00\r\n");
  EXPECT_EQ(fields.value("COMMENTS"), "Ring twice,\r\nthen wait");
  EXPECT_EQ(paymentStatus("Invoice"), "awaiting payment");
  // Every field the e-mail dialogs offer is replaced, and so is the card
  // type of texts of the first stored form.
  std::vector<std::string> names = {"CARDTYPE"};
  for (const NotifyField& field : notifyFields()) names.push_back(field.name);
  for (const std::string& name : names) {
    EXPECT_NE(fields.fill(bracketedField(name), OrderTextFields::Escape::kNone),
              bracketedField(name))
        << name;
  }
}

TEST_F(OrderTextsTest, LogLinesAreOneCsvLineEach) {
  const SalesLogLines lines = SalesLogLines::of(order_, catalogue_);
  EXPECT_EQ(lines.header,
            "100042,2026-12-09 17:40:15 UTC,123456789012,Ann,Lee,1 Main St,,Seattle,WA,98101,USA,"
            "ann@example.com,'+1 555 0100,,Ann,Lee,1 Main St,,Seattle,WA,98101,USA,,,498.00,0.00,"
            "0.00,498.00\n");
  EXPECT_EQ(lines.items, "100042,1,TENT,\"Tent \"\"Dome\"\"\",Colour: Red,2,249.00,498.00\n");
  EXPECT_EQ(lines.payment, "100042,123456789012,Visa,awaiting card payment,498.00\n");
  EXPECT_EQ(lines.misc, "100042,,,\"Ring twice,  then wait\",<b>Happy</b>,\n");
  EXPECT_EQ(csvField("=HYPERLINK(1)"), "'=HYPERLINK(1)");
  EXPECT_EQ(csvField(" padded"), "\" padded\"");
}

}  // namespace
}  // namespace quorvex
