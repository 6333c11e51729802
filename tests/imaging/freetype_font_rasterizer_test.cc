#include "platform/freetype_font_rasterizer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/fontconfig_font_finder.h"

namespace quorvex {
namespace {

FontRequest arial(int height, int weight = 400) {
  FontRequest request;
  request.height = height;
  request.weight = weight;
  request.faceName = "Arial";
  return request;
}

TEST(FontconfigFontFinderTest, WindowsFacesAndFamiliesResolveToScalableFiles) {
  std::optional<FontFile> file = findFontFile(arial(-20));
  ASSERT_TRUE(file);
  EXPECT_NE(file->path.find("LiberationSans-Regular"), std::string::npos);
  FontRequest roman;  // empty face, family roman: Times New Roman
  roman.pitchAndFamily = 0x10;
  ASSERT_TRUE(findFontFile(roman));
  EXPECT_NE(findFontFile(roman)->path.find("LiberationSerif"), std::string::npos);
  FontRequest boldItalic = arial(-20, 700);
  boldItalic.italic = true;
  EXPECT_NE(findFontFile(boldItalic)->path.find("LiberationSans-BoldItalic"), std::string::npos);
}

TEST(FreetypeFontRasterizerTest, GlyphsHaveSixtyFiveLevelsAndWindowsMetrics) {
  FreetypeFontRasterizer rasterizer;
  std::unique_ptr<RasterFont> font = rasterizer.createFont(arial(-20));
  ASSERT_TRUE(font);
  GlyphBitmap h;
  ASSERT_TRUE(font->glyphBitmap('H', h));
  // Arial's capitals are 0.716 em high.
  EXPECT_NEAR(h.metrics.blackBoxHeight, 14, 1);
  EXPECT_EQ(h.metrics.originY, h.metrics.blackBoxHeight);  // standing on the baseline
  EXPECT_GT(h.metrics.cellIncX, h.metrics.blackBoxWidth);
  ASSERT_EQ(h.coverage.size(),
            static_cast<size_t>(h.metrics.blackBoxWidth) * h.metrics.blackBoxHeight);
  EXPECT_EQ(*std::max_element(h.coverage.begin(), h.coverage.end()), 64);
  GlyphMetrics metrics;
  ASSERT_TRUE(font->glyphMetrics('H', metrics));
  EXPECT_EQ(metrics.blackBoxWidth, h.metrics.blackBoxWidth);
  EXPECT_EQ(metrics.originX, h.metrics.originX);
}

TEST(FreetypeFontRasterizerTest, PositiveHeightsAreCellHeightsAndWeightsThicken) {
  FreetypeFontRasterizer rasterizer;
  GlyphMetrics character, cell, bold;
  ASSERT_TRUE(rasterizer.createFont(arial(-20))->glyphMetrics('H', character));
  ASSERT_TRUE(rasterizer.createFont(arial(20))->glyphMetrics('H', cell));
  ASSERT_TRUE(rasterizer.createFont(arial(-20, 700))->glyphMetrics('H', bold));
  EXPECT_LT(cell.blackBoxHeight, character.blackBoxHeight);  // 20 × 2048 / 2288 ≈ 18 px em
  EXPECT_GT(bold.blackBoxWidth, character.blackBoxWidth);
}

TEST(FreetypeFontRasterizerTest, AccentedCharactersAndKerningComeFromTheFont) {
  FreetypeFontRasterizer rasterizer;
  std::unique_ptr<RasterFont> font = rasterizer.createFont(arial(-20));
  GlyphMetrics e, eAcute;
  ASSERT_TRUE(font->glyphMetrics('e', e));
  ASSERT_TRUE(font->glyphMetrics(0xE9, eAcute));  // é in Windows-1252
  EXPECT_GT(eAcute.originY, e.originY);
  EXPECT_LT(font->kerning('T', 'o'), 0);
  EXPECT_EQ(font->kerning('H', 'H'), 0);
  // A font outlives its rasterizer.
  std::unique_ptr<RasterFont> kept = FreetypeFontRasterizer().createFont(arial(-12));
  ASSERT_TRUE(kept);
  EXPECT_TRUE(kept->glyphMetrics('A', e));
}

}  // namespace
}  // namespace quorvex
