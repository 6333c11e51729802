#include <gtest/gtest.h>

#include "document/color_string.h"

namespace quorvex {
namespace {

TEST(ColorString, WrittenInLowerCaseWithLeadingZeros) {
  EXPECT_EQ(colorToHex(0), "#000000");
  EXPECT_EQ(colorToHex(0xFF0A05), "#050aff");
  EXPECT_EQ(colorToHex(0x0A80FF), "#ff800a");
  // The top byte of a colour value is not part of the colour.
  EXPECT_EQ(colorToHex(static_cast<int32_t>(0xFF0A80FFu)), "#ff800a");
}

TEST(ColorString, ReadInEitherCase) {
  EXPECT_EQ(colorFromHex("#050aff"), 0x00FF0A05);
  EXPECT_EQ(colorFromHex("#050AFF"), 0x00FF0A05);
  EXPECT_EQ(colorFromHex("#5C5C5C"), 0x005C5C5C);
  // The first character is not examined.
  EXPECT_EQ(colorFromHex("x800080"), 0x00800080);
  for (int32_t color : {0, 0x00FFFFFF, 0x00123456, 0x00ABCDEF}) {
    EXPECT_EQ(colorFromHex(colorToHex(color)), color);
  }
}

TEST(ColorString, OddCharactersAndShortStringsCountAsZero) {
  EXPECT_EQ(colorFromHex("#g1zz01"), 0x00010001);
  EXPECT_EQ(colorFromHex("#ff"), 0x000000FF);
  EXPECT_EQ(colorFromHex("#f"), 0x000000F0);
  EXPECT_EQ(colorFromHex(""), 0);
}

}  // namespace
}  // namespace quorvex
