#include "generator/shipping_fields.h"

#include <gtest/gtest.h>

#include "generator/commerce_fixture.h"

namespace quorvex::testing {
namespace {

class ShippingFieldsTest : public CommerceFixture {
 protected:
  CShippingType& addType(std::string label, std::vector<std::string> limits,
                         std::vector<std::string> charges, std::string flatRate = "") {
    CShippingType type;
    type.label = std::move(label);
    type.upperLimits = std::move(limits);
    type.charges = std::move(charges);
    type.flatRate = std::move(flatRate);
    return doc_.m_pShipping->shippingTypes.emplace_back(std::move(type));
  }

  ShippingFields shipping_{context_};
};

TEST_F(ShippingFieldsTest, ChargeTableAddsHandlingAndLeavesTheLastRangeToMax) {
  doc_.m_pShipping->basedOn = CShipping::kWeight;
  doc_.m_pShipping->handlingCharge = "$1";
  addType("UPS", {"10", "20", "And Up"}, {"5", "7", "9"});
  // Uneven lists write only the ranges that have both a limit and a charge.
  addType("Post", {"And Up"}, {"0.25", "3"});
  shipping_.setShipTypes();
  const std::string ups = "xOYUPS";
  const std::string post = "xGXPost";
  EXPECT_EQ(field("ship_types"), ups + " = new Array();\n" + ups + ".max = '10.00';\n" + ups +
                                     "[0] = new shippingTypes(10,6.00);\n" + ups +
                                     "[1] = new shippingTypes(20,8.00);\n\n" + post +
                                     " = new Array();\n" + post + ".max = '4.00';\n\n");
  EXPECT_TRUE(prompter_.texts().empty());
  shipping_.setShipInfo();
  EXPECT_EQ(field("ship_info"),
            "shippingInfo[0] = new shippingInformation('UPS','" + ups + "');\n" +
                "shippingInfo[1] = new shippingInformation('Post','" + post + "');\n\n");
}

TEST(ShippingRangesTest, TheLastChargeCoversAllAboveTheLimitedRanges) {
  struct Case {
    std::vector<std::string> limits, charges;
    size_t ranges;
  };
  const Case cases[] = {
      {{"10", "20", "And Up"}, {"5", "7", "9"}, 2},
      // Without "And Up" the third charge still covers all above 20.
      {{"10", "20"}, {"5", "7", "9"}, 2},
      // More limits than charges: the last charge covers all above 10.
      {{"10", "20", "30"}, {"5", "7"}, 1},
      {{"10", "And Up", "30"}, {"5", "7", "9", "11"}, 1},
      {{"And Up"}, {"3"}, 0},
      {{"10", "20"}, {}, 0},
  };
  for (const Case& c : cases) {
    CShippingType type;
    type.upperLimits = c.limits;
    type.charges = c.charges;
    EXPECT_EQ(ShippingFields::limitedRangeCount(type), c.ranges) << c.limits.size() << " limits";
  }
}

TEST_F(ShippingFieldsTest, FlatRateAddsHandlingToTheRate) {
  doc_.m_pShipping->basedOn = CShipping::kFlatRate;
  doc_.m_pShipping->handlingCharge = "0.75";
  addType("Flat", {}, {}, "4.5");
  addType("Free", {"10", "And Up"}, {"1", "2"}, "");
  shipping_.setShipTypes();
  const std::string flat = "xBRFlat";
  const std::string free = "xWMFree";
  // A flat rate ignores the charge table; no type lacks charges.
  EXPECT_EQ(field("ship_types"), flat + " = new Array();\n" + flat + ".max = '5.25';\n" + free +
                                     " = new Array();\n" + free + ".max = '.75';\n");
  EXPECT_TRUE(prompter_.texts().empty());
}

TEST_F(ShippingFieldsTest, MissingChargesWarnOnceAfterAllTypes) {
  doc_.m_pShipping->basedOn = CShipping::kQuantity;
  addType("A", {"And Up"}, {});
  addType("B", {}, {});
  addType("C", {"And Up"}, {"3"});
  shipping_.setShipTypes();
  const std::string a = "xNQA";
  const std::string b = "xORB";
  const std::string c = "xPSC";
  EXPECT_EQ(field("ship_types"), a + " = new Array();\n" + b + " = new Array();\n" + c +
                                     " = new Array();\n" + c + ".max = '3.00';\n\n");
  EXPECT_EQ(prompter_.texts(), std::vector<std::string>{ShippingFields::kMissingChargesWarning});
}

TEST_F(ShippingFieldsTest, ShipInfoEscapesLabelsAndEndsWithALineFeed) {
  addType("Joe's (fast)", {}, {});
  shipping_.setShipInfo();
  EXPECT_EQ(field("ship_info"),
            "shippingInfo[0] = new shippingInformation('Joe\\'s \\(fast\\)','xVJJoesfast');\n\n");
}

TEST_F(ShippingFieldsTest, HowToShipNamesTheBasis) {
  const std::pair<int32_t, const char*> bases[] = {
      {CShipping::kSubtotal, "subtotal"}, {CShipping::kWeight, "weight"},
      {CShipping::kQuantity, "quantity"}, {CShipping::kFlatRate, "flatRate"},
      {7, "quantity"}};
  for (const auto& [basis, name] : bases) {
    doc_.m_pShipping->basedOn = basis;
    shipping_.setHowToShip();
    EXPECT_EQ(field("how_to_ship"), name) << basis;
  }
}

}  // namespace
}  // namespace quorvex::testing
