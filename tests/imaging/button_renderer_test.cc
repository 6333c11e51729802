#include "imaging/button_renderer.h"

#include <gtest/gtest.h>

#include "fake_font.h"
#include "imaging/gif_image.h"
#include "imaging/gif_writer.h"
#include "imaging/jpeg_image.h"
#include "support/temp_dir.h"
#include "test_pictures.h"

namespace quorvex {
namespace {

using testing::FakeFont;
using testing::TempDir;

// Hands out fake fonts and remembers the last request.
class FakeRasterizer : public FontRasterizer {
 public:
  std::unique_ptr<RasterFont> createFont(const FontRequest& request) override {
    last = request;
    return std::make_unique<FakeFont>(GlyphMetrics{4, 6, 0, 6, 5});
  }
  FontRequest last;
};

TEST(ButtonRendererTest, TheLogFontBecomesTheFontRequest) {
  LogFont logFont;
  logFont.lfHeight = -17;
  logFont.lfWidth = 5;
  logFont.lfWeight = 700;
  logFont.lfItalic = 1;
  logFont.lfUnderline = 1;
  logFont.lfPitchAndFamily = 0x22;
  logFont.setFaceName("Verdana");
  FontRequest request = fontRequestFor(logFont);
  EXPECT_EQ(request.height, -17);
  EXPECT_EQ(request.width, 5);
  EXPECT_EQ(request.weight, 700);
  EXPECT_TRUE(request.italic);
  EXPECT_EQ(request.pitchAndFamily, 0x22);
  EXPECT_EQ(request.faceName, "Verdana");
}

TEST(ButtonRendererTest, TextOnATransparentGifStaysVisible) {
  TempDir dir;
  // A 40 × 16 button: transparent (index 1) everywhere.
  auto background =
      testing::palettedPicture(40, 16, {{0, 0, 200}, {255, 0, 255}}, [](int, int) { return 1; });
  background->setTransparentIndex(1);
  std::filesystem::path in = dir.write("button.gif", *encodeGif(*background));
  CTemplateFont font;
  font.color = 0xFFFFFF;  // white
  font.shadow = 0;
  FakeRasterizer rasterizer;
  ASSERT_EQ(renderButton(in, "Go", font, 90, dir.path() / "go.gif", rasterizer),
            ButtonResult::kSaved);
  EXPECT_EQ(rasterizer.last.height, 15);
  CImageImplGIF out("go.gif");
  ASSERT_TRUE(out.read(dir.path() / "go.gif"));
  ASSERT_EQ(out.width(), 40);
  ASSERT_EQ(out.height(), 16);
  // Text 2 × (5 + 0) wide at x = (40 - 10 - 1) / 2 - 1 = 13; baseline
  // (16 - 6 - 1) / 2 + 0 + 1 = 5: glyph rows 5 to 10.
  int transparent = out.transparentIndex();
  ASSERT_NE(transparent, -1);
  EXPECT_EQ(out.getIndex(0, 0), transparent);
  EXPECT_NE(out.getIndex(13, 5), transparent);
  EXPECT_EQ(testing::pixelAt(out, 13, 5), (Rgb{254, 254, 254}));
  EXPECT_NE(out.getIndex(18, 10), transparent);
  EXPECT_EQ(out.getIndex(17, 5), transparent);  // between the glyphs
  EXPECT_EQ(out.getIndex(13, 11), transparent);
}

TEST(ButtonRendererTest, UnusableBackgroundsAndOutputsAreReported) {
  TempDir dir;
  FakeRasterizer rasterizer;
  CTemplateFont font;
  EXPECT_EQ(
      renderButton(dir.path() / "none.gif", "Go", font, 90, dir.path() / "go.gif", rasterizer),
      ButtonResult::kUnusableBackground);
  auto background = testing::trueColourPicture(20, 10, [](int, int) { return Rgb{9, 9, 9}; });
  std::filesystem::path in = dir.write("b.jpg", *encodeJpeg(*background, 90));
  EXPECT_EQ(renderButton(in, "Go", font, 90, dir.path() / "go.png", rasterizer),
            ButtonResult::kNotSaved);
  EXPECT_EQ(renderButton(in, "Go", font, 90, dir.path() / "go.jpg", rasterizer),
            ButtonResult::kSaved);
}

}  // namespace
}  // namespace quorvex
