#include "imaging/text_drawer.h"

#include <gtest/gtest.h>

#include "fake_font.h"
#include "imaging/text_layout.h"
#include "test_pictures.h"

namespace quorvex {
namespace {

using testing::FakeFont;
using testing::pixelAt;

// Letters 6 wide and 10 high standing on the baseline, advance 7; 'j' and
// 'g' reach 3 below it; 'y' is 1 wider on the left.
std::shared_ptr<FakeFont> plainFont() {
  auto font = std::make_shared<FakeFont>(GlyphMetrics{6, 10, 1, 10, 7});
  font->define('j', GlyphMetrics{3, 13, 0, 10, 4});
  font->define('g', GlyphMetrics{6, 10, 1, 7, 7});
  font->define('y', GlyphMetrics{7, 10, 0, 7, 7});
  font->define(' ', GlyphMetrics{0, 0, 0, 0, 4});
  return font;
}

TEST(TextLayoutTest, WidthAddsAdvancesKerningAndLeftBearings) {
  auto font = plainFont();
  font->setKerning('A', 'V', -2);
  font->setKerning(0xC9, 'A', 3);  // an accented capital
  std::optional<TextLayout> layout = layOutText(*font,
                                                "AV\xC9"
                                                "A");
  ASSERT_TRUE(layout);
  EXPECT_EQ(layout->advances, (std::vector<int>{5, 7, 10, 7}));
  EXPECT_EQ(layout->width, 5 + 7 + 10 + 7 + 4 * 1);
  // Glyph bitmaps are fetched once per character of the text.
  EXPECT_EQ(font->bitmapRequests().at('A'), 2);
  EXPECT_EQ(font->bitmapRequests().count('B'), 0u);
}

TEST(TextLayoutTest, VerticalMetricsComeFromTheReferenceLetters) {
  auto font = plainFont();
  std::optional<TextLayout> home = layOutText(*font, "Home");
  std::optional<TextLayout> jpg = layOutText(*font, "jpg");
  ASSERT_TRUE(home && jpg);
  EXPECT_EQ(home->ascent, 10);
  EXPECT_EQ(home->descent, 3);
  EXPECT_EQ(jpg->ascent, home->ascent);
  EXPECT_EQ(jpg->descent, home->descent);
  EXPECT_EQ(placeText(*home, 100, 30, 0, 0, 1).baselineY,
            placeText(*jpg, 100, 30, 0, 0, 1).baselineY);
  font->fail('x');
  EXPECT_FALSE(layOutText(*font, "box"));
}

TEST(TextLayoutTest, PlacementCentresForTheShadowAndHalvesTheOffsets) {
  TextLayout layout;
  layout.width = 40;
  layout.ascent = 10;
  layout.descent = 3;
  // (100 - 40 - 1) / 2 = 29, minus 1; (30 - 13 - 1) / 2 = 8, plus 3 + 1.
  TextPosition plain = placeText(layout, 100, 30, 0, 0, 1);
  EXPECT_EQ(plain.startX, 28);
  EXPECT_EQ(plain.baselineY, 12);
  TextPosition noDepth = placeText(layout, 100, 30, 0, 0, 0);
  TextPosition depth2 = placeText(layout, 100, 30, 0, 0, 2);
  EXPECT_EQ(noDepth.startX - depth2.startX, 3);        // 30 → 29 - 2 = 27
  EXPECT_EQ(depth2.baselineY - noDepth.baselineY, 1);  // 8 + 3 → 7 + 3 + 2
  TextPosition right = placeText(layout, 100, 30, 10, 6, 1);
  EXPECT_EQ(right.startX, (90 - 40 - 1) / 2 - 1 + 10);  // 5 right of the centre
  EXPECT_EQ(right.baselineY, (24 - 13 - 1) / 2 + 6 + 3 + 1);
  TextPosition left = placeText(layout, 100, 30, -10, -6, 1);
  EXPECT_EQ(left.startX, (90 - 40 - 1) / 2 - 1);
  EXPECT_EQ(left.baselineY, (24 - 13 - 1) / 2 + 3 + 1);
  layout.width = 500;  // wider than the picture
  EXPECT_EQ(placeText(layout, 100, 30, 0, 0, 1).startX, 0);
}

TEST(TextDrawerTest, DrawsShadowThenTextAtThePlacedPosition) {
  auto picture = testing::trueColourPicture(30, 20, [](int, int) { return Rgb{255, 255, 255}; });
  CanvasText text;
  text.font = plainFont();
  text.text = "H";
  text.shadow = true;
  text.shadowDepth = 2;
  text.textColor = 0x0000FF;  // red
  drawText(*picture, nullptr, text);
  // width 7: start x = (30 - 7 - 2) / 2 - 2 = 8, pen 9; baseline (20 - 13 - 2) / 2 + 3 + 2 = 7.
  // Text box: x 9..14, y 7..16. Shadow box: x 11..16, y 5..14.
  EXPECT_EQ(pixelAt(*picture, 9, 16), (Rgb{254, 0, 0}));
  EXPECT_EQ(pixelAt(*picture, 14, 7), (Rgb{254, 0, 0}));
  EXPECT_EQ(pixelAt(*picture, 16, 5), (Rgb{0, 0, 0}));
  EXPECT_EQ(pixelAt(*picture, 15, 6), (Rgb{0, 0, 0}));
  EXPECT_EQ(pixelAt(*picture, 8, 16), (Rgb{255, 255, 255}));
  EXPECT_EQ(pixelAt(*picture, 9, 17), (Rgb{255, 255, 255}));
  EXPECT_EQ(pixelAt(*picture, 17, 5), (Rgb{255, 255, 255}));
}

TEST(TextDrawerTest, ClipsAtTheEdgesAndMakesTouchedPixelsOpaque) {
  auto picture = testing::trueColourPicture(10, 12, [](int, int) { return Rgb{0, 0, 255}; });
  TransparencyMask mask(10, 12);
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 10; ++x) mask.set(x, y, true);
  }
  CanvasText text;
  text.font = plainFont();
  text.text = "HHHH";  // 32 wide: starts at 0 and is cut on the right
  drawText(*picture, &mask, text);
  // Baseline trunc((12 - 13) / 2) + 3 = 3: the boxes cover rows 3 to 12, cut at 11.
  EXPECT_EQ(pixelAt(*picture, 1, 11), (Rgb{0, 0, 0}));  // shadow off: black text only
  EXPECT_FALSE(mask.at(1, 5));
  EXPECT_EQ(pixelAt(*picture, 0, 5), (Rgb{0, 0, 255}));  // the first box starts at pen 0 + 1
  EXPECT_TRUE(mask.at(0, 5));
  EXPECT_TRUE(mask.at(1, 2));
  EXPECT_EQ(pixelAt(*picture, 9, 5), (Rgb{0, 0, 0}));  // third glyph, cut
}

TEST(TextDrawerTest, NothingIsDrawnWhenACharacterHasNoGlyph) {
  auto picture = testing::trueColourPicture(30, 20, [](int, int) { return Rgb{9, 9, 9}; });
  auto font = plainFont();
  font->fail('!');
  CanvasText text;
  text.font = font;
  text.text = "Hi!";
  text.shadow = true;
  text.shadowDepth = 1;
  drawText(*picture, nullptr, text);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 30; ++x) ASSERT_EQ(pixelAt(*picture, x, y), (Rgb{9, 9, 9}));
  }
}

}  // namespace
}  // namespace quorvex
