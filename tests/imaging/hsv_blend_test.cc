#include "imaging/hsv_blend.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

TEST(HsvBlendTest, FullCoverageOfGreyTextGivesTheTextValue) {
  EXPECT_EQ(blendHsv({10, 200, 30}, {255, 255, 255}, 64), (Rgb{254, 254, 254}));
  EXPECT_EQ(blendHsv({10, 200, 30}, {0, 0, 0}, 64), (Rgb{0, 0, 0}));
  EXPECT_EQ(blendHsv({0, 0, 0}, {255, 255, 255}, 64), (Rgb{254, 254, 254}));
}

TEST(HsvBlendTest, NoCoverageLeavesThePixelAlmostUnchanged) {
  // a = ε: the truncation may take one unit.
  Rgb blended = blendHsv({100, 150, 200}, {255, 0, 0}, 0);
  EXPECT_NEAR(blended.red, 100, 1);
  EXPECT_NEAR(blended.green, 150, 1);
  EXPECT_NEAR(blended.blue, 200, 1);
}

TEST(HsvBlendTest, FullCoverageOfChromaticTextTakesItsHue) {
  // Blue background, pure red text: hue 0, the text's saturation and value.
  EXPECT_EQ(blendHsv({0, 0, 255}, {255, 0, 0}, 64), (Rgb{254, 0, 0}));
  // Over grey the result is the text colour too.
  EXPECT_EQ(blendHsv({128, 128, 128}, {0, 255, 0}, 64), (Rgb{0, 254, 0}));
}

TEST(HsvBlendTest, HalfCoverageKeepsTheBackgroundHueUnlessItIsGrey) {
  // Pure blue under red text at a = 0.5: hue stays 240, value and saturation
  // stay 1 - ε, so the pixel stays blue.
  EXPECT_EQ(blendHsv({0, 0, 255}, {255, 0, 0}, 32), (Rgb{0, 0, 254}));
  // Grey (no hue) takes the text's hue: V = 0.5 × (128/255) + 0.5 × (1 - ε),
  // S = 0.5; red = V, green = blue = V / 2.
  EXPECT_EQ(blendHsv({128, 128, 128}, {255, 0, 0}, 32), (Rgb{191, 95, 95}));
}

TEST(HsvBlendTest, GreyTextDesaturatesAndKeepsTheHue) {
  // White text at a = 0.5 over pure red: V stays about 1, S halves.
  EXPECT_EQ(blendHsv({255, 0, 0}, {255, 255, 255}, 32), (Rgb{254, 127, 127}));
  // Black text at a = 0.5 over pure red: V halves, S = min(S / 2, V).
  EXPECT_EQ(blendHsv({255, 0, 0}, {0, 0, 0}, 32), (Rgb{127, 63, 63}));
}

}  // namespace
}  // namespace quorvex
