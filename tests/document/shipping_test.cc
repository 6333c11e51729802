#include "document/shipping.h"

#include <gtest/gtest.h>

#include "support/archive_bytes.h"

namespace quorvex {
namespace {

using testing::ArchiveBytes;
using testing::readObject;
using testing::writeObject;

CShippingType typeWithLimits(std::vector<std::string> limits) {
  CShippingType type;
  for (size_t i = 0; i < limits.size(); ++i) {
    type.appendRange({limits[i], "c" + std::to_string(i)});
  }
  return type;
}

TEST(Shipping, Schema2IsWrittenAndReadFieldByField) {
  CShipping shipping;
  shipping.basedOn = CShipping::kWeight;
  shipping.handlingCharge = "2.50";
  CShippingType ground = typeWithLimits({"10", CShippingType::kAndUp});
  ground.label = "Ground";
  ground.flatRate = "5";
  shipping.shippingTypes = {ground};
  const std::string expected = ArchiveBytes()
                                   .newClass("CShipping", 2)
                                   .int32(1)
                                   .str("2.50")
                                   .count(1)
                                   .int32(1)
                                   .count(2)
                                   .str("10")
                                   .str("And Up")
                                   .count(2)
                                   .str("c0")
                                   .str("c1")
                                   .str("Ground")
                                   .str("5")
                                   .bytes();
  EXPECT_EQ(writeObject(shipping), expected);

  std::string error;
  Owned<CShipping> back = readObject<CShipping>(expected, &error);
  ASSERT_TRUE(back) << error;
  EXPECT_EQ(*back, shipping);
}

TEST(Shipping, Schema1FlatRateSwitchMakesTheBasisFlatRate) {
  for (int32_t flatRateSwitch : {0, 1, -5}) {
    const std::string bytes = ArchiveBytes()
                                  .newClass("CShipping", 1)
                                  .int32(2)
                                  .int32(flatRateSwitch)
                                  .str("1")
                                  .count(0)
                                  .bytes();
    size_t consumed = 0;
    Owned<CShipping> shipping = readObject<CShipping>(bytes, nullptr, &consumed);
    ASSERT_TRUE(shipping);
    EXPECT_EQ(consumed, bytes.size());
    EXPECT_EQ(shipping->basedOn, flatRateSwitch == 0 ? CShipping::kQuantity : CShipping::kFlatRate);
    EXPECT_EQ(shipping->handlingCharge, "1");
  }
  EXPECT_FALSE(readObject<CShipping>(ArchiveBytes().newClass("CShipping", 3).int32(0).bytes()));
}

TEST(Shipping, ShippingTypeOfUnknownVersionOrUnevenListsReadsSafely) {
  // An unknown version keeps the new values; lists of different length are
  // padded so that limits and charges stay parallel.
  const std::string bytes = ArchiveBytes()
                                .newClass("CShipping", 2)
                                .int32(0)
                                .str("0")
                                .count(2)
                                .int32(3)
                                .int32(1)
                                .count(2)
                                .str("5")
                                .str("And Up")
                                .count(1)
                                .str("1")
                                .str("Air")
                                .str("")
                                .bytes();
  std::string error;
  Owned<CShipping> shipping = readObject<CShipping>(bytes, &error);
  ASSERT_TRUE(shipping) << error;
  ASSERT_EQ(shipping->shippingTypes.size(), 2u);
  EXPECT_EQ(shipping->shippingTypes[0], CShippingType());
  const CShippingType& air = shipping->shippingTypes[1];
  EXPECT_EQ(air.label, "Air");
  EXPECT_EQ(air.upperLimits, (std::vector<std::string>{"5", "And Up"}));
  EXPECT_EQ(air.charges, (std::vector<std::string>{"1", ""}));
}

TEST(ShippingType, RangesAreEditedInBothListsTogether) {
  CShippingType type = typeWithLimits({"10", CShippingType::kAndUp});
  EXPECT_TRUE(type.insertRange(0, {"5", "x"}));
  EXPECT_TRUE(type.insertRange(3, {"99", "y"}));
  EXPECT_FALSE(type.insertRange(5, {"1", "z"}));
  EXPECT_TRUE(type.replaceRange(1, {"11", "w"}));
  EXPECT_FALSE(type.replaceRange(4, {"1", "z"}));
  EXPECT_TRUE(type.removeRange(3));
  EXPECT_FALSE(type.removeRange(3));
  EXPECT_EQ(type.upperLimits, (std::vector<std::string>{"5", "11", "And Up"}));
  EXPECT_EQ(type.charges, (std::vector<std::string>{"x", "w", "c1"}));
}

TEST(ShippingType, PlacingARangeReplacesTheRangesItSwallows) {
  CShippingType type = typeWithLimits({"10", "20", "30", CShippingType::kAndUp});
  EXPECT_TRUE(type.overlapsRangeAt(0, "25"));
  EXPECT_FALSE(type.overlapsRangeAt(0, "9.5"));
  EXPECT_FALSE(type.overlapsRangeAt(3, "1000"));  // the last range is never swallowed
  EXPECT_FALSE(type.overlapsRangeAt(0, "abc"));

  ASSERT_TRUE(type.insertRangeOver(0, {"25", "new"}));
  EXPECT_EQ(type.upperLimits, (std::vector<std::string>{"25", "30", "And Up"}));
  EXPECT_EQ(type.charges, (std::vector<std::string>{"new", "c2", "c3"}));

  // Editing the first range to 40.0 swallows 30 but keeps the final range.
  ASSERT_TRUE(type.replaceRangeOver(0, {"40.0", "edited"}));
  EXPECT_EQ(type.upperLimits, (std::vector<std::string>{"40.0", "And Up"}));
  EXPECT_EQ(type.charges, (std::vector<std::string>{"edited", "c3"}));

  // A limit below the next one swallows nothing.
  ASSERT_TRUE(type.insertRangeOver(0, {"15", "low"}));
  EXPECT_EQ(type.upperLimits, (std::vector<std::string>{"15", "40.0", "And Up"}));
  EXPECT_FALSE(type.replaceRangeOver(3, {"1", "z"}));
  EXPECT_FALSE(type.insertRangeOver(4, {"1", "z"}));
}

TEST(Shipping, TypeLabelsAreUniqueWithoutRegardToCase) {
  CShipping shipping;
  shipping.shippingTypes = {CShippingType(), CShippingType()};
  shipping.shippingTypes[0].label = "ups";
  shipping.shippingTypes[1].label = "FedEx";
  const std::string message =
      "A 'UPS' shipping label already exists.  Please choose a new name or edit that shipping "
      "label instead.";

  EXPECT_EQ(shipping.checkTypeLabel("UPS", std::nullopt).message(), message);
  EXPECT_TRUE(shipping.checkTypeLabel("DHL", std::nullopt).ok());
  // Keeping the label is fine; changing only its case is not.
  EXPECT_TRUE(shipping.checkTypeLabel("ups", 0).ok());
  EXPECT_EQ(shipping.checkTypeLabel("UPS", 0).message(), message);
  EXPECT_FALSE(shipping.checkTypeLabel("fedex", 0).ok());
  EXPECT_TRUE(shipping.checkTypeLabel("Post", 1).ok());
}

}  // namespace
}  // namespace quorvex
