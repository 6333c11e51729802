#include "imaging/image_canvas.h"

#include <gtest/gtest.h>

#include "imaging/bmp_image.h"
#include "imaging/box_split_quantizer.h"
#include "imaging/gif_image.h"
#include "imaging/gif_writer.h"
#include "imaging/neuquant.h"
#include "imaging/palette_reduction.h"
#include "support/temp_dir.h"
#include "test_pictures.h"

namespace quorvex {
namespace {

using testing::pixelAt;
using testing::TempDir;

// A picture whose every pixel has its own colour, made from its position.
Rgb positionColour(int x, int y) {
  return Rgb{static_cast<uint8_t>(x * 7), static_cast<uint8_t>(y * 5), static_cast<uint8_t>(x + y)};
}

std::filesystem::path writeBmp(const TempDir& dir, const std::string& name,
                               const CImageImpl& picture) {
  return dir.write(name, encodeBmp(picture));
}

std::filesystem::path writeGif(const TempDir& dir, const std::string& name,
                               const CImageImpl& picture) {
  return dir.write(name, *encodeGif(picture));
}

bool within(Rgb a, Rgb b, int units) {
  return std::abs(a.red - b.red) <= units && std::abs(a.green - b.green) <= units &&
         std::abs(a.blue - b.blue) <= units;
}

TEST(ImageCanvasTest, LoadsByExtensionAndStaysEmptyOtherwise) {
  TempDir dir;
  auto picture = testing::trueColourPicture(4, 3, positionColour);
  std::filesystem::path bmp = writeBmp(dir, "Photo.BMP", *picture);
  CImageCanvas canvas(bmp);
  EXPECT_EQ(canvas.width(), 4);
  EXPECT_EQ(canvas.height(), 3);
  ASSERT_NE(canvas.working(), nullptr);
  EXPECT_EQ(pixelAt(*canvas.working(), 3, 2), positionColour(3, 2));
  std::filesystem::path tif = dir.write("photo.tif", encodeBmp(*picture));
  CImageCanvas unknown(tif);
  EXPECT_EQ(unknown.width(), 0);
  EXPECT_EQ(unknown.working(), nullptr);
  unknown.render();
  EXPECT_FALSE(unknown.save(dir.path() / "out.bmp"));
  CImageCanvas missing(dir.path() / "missing.gif");
  EXPECT_EQ(missing.height(), 0);
  EXPECT_FALSE(missing.save(dir.path() / "out.gif"));
}

TEST(ImageCanvasTest, ProportionalHeightTruncatesAndIsAtLeastOne) {
  EXPECT_EQ(proportionalHeight(150, 300, 200), 100);
  EXPECT_EQ(proportionalHeight(1, 3, 1000), 333);
  EXPECT_EQ(proportionalHeight(100, 1600, 1200), 75);
  EXPECT_EQ(proportionalHeight(10, 1000, 20), 1);
}

TEST(ImageCanvasTest, HalvingTakesTheSourcePixelAtTwiceTheCoordinates) {
  TempDir dir;
  CImageCanvas canvas(writeBmp(dir, "p.bmp", *testing::trueColourPicture(8, 6, positionColour)));
  canvas.setSize(4, 3);
  canvas.render();
  const CImageImpl& working = *canvas.working();
  ASSERT_EQ(working.width(), 4);
  ASSERT_EQ(working.height(), 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) {
      EXPECT_TRUE(within(pixelAt(working, x, y), positionColour(2 * x, 2 * y), 1)) << x << "," << y;
    }
  }
}

TEST(ImageCanvasTest, AOneWideTargetUsesTheFirstColumnOnly) {
  TempDir dir;
  auto picture = testing::trueColourPicture(3, 1000, [](int x, int y) {
    return x == 0 ? Rgb{static_cast<uint8_t>(y / 4), 0, 0} : Rgb{0, 0, 255};
  });
  CImageCanvas canvas(writeBmp(dir, "p.bmp", *picture));
  canvas.setSize(1, proportionalHeight(1, 3, 1000));
  canvas.render();
  const CImageImpl& working = *canvas.working();
  ASSERT_EQ(working.height(), 333);
  for (int y = 0; y < 333; ++y) {
    Rgb colour = pixelAt(working, 0, y);
    EXPECT_EQ(colour.blue, 0);
    EXPECT_NEAR(colour.red, (y * 1000 / 333) / 4, 1);
  }
  // A one-high target reads the bottom row.
  canvas.setSize(2, 1);
  canvas.render();
  EXPECT_EQ(pixelAt(*canvas.working(), 1, 0), (Rgb{0, 0, 255}));
}

TEST(ImageCanvasTest, ResamplingATransparentPictureWeighsTheTransparentNeighbours) {
  TempDir dir;
  // 2 × 2, index 1 transparent at (1, 0).
  auto picture = testing::palettedPicture(2, 2, {{200, 100, 50}, {0, 255, 0}},
                                          [](int x, int y) { return x == 1 && y == 0 ? 1 : 0; });
  picture->setTransparentIndex(1);
  CImageCanvas canvas(writeGif(dir, "t.gif", *picture));
  EXPECT_EQ(canvas.transparentKey().index, 1);
  EXPECT_EQ(canvas.transparentKey().colour, (Rgb{0, 255, 0}));
  EXPECT_TRUE(canvas.isTransparent(1, 0));
  canvas.setSize(3, 3);
  canvas.render();
  const CImageImpl& working = *canvas.working();
  // Transparent neighbours with 0.478 of the weight: transparent.
  EXPECT_TRUE(canvas.isTransparent(1, 0));
  EXPECT_TRUE(canvas.isTransparent(2, 0));
  EXPECT_EQ(pixelAt(working, 1, 0), (Rgb{0, 255, 0}));
  // With 0.132 and 0.229 of the weight: the opaque share of the colour.
  EXPECT_FALSE(canvas.isTransparent(0, 1));
  EXPECT_EQ(pixelAt(working, 0, 1), (Rgb{173, 86, 43}));
  EXPECT_EQ(pixelAt(working, 1, 1), (Rgb{154, 77, 38}));
  // On a source pixel (within truncation); beyond the source's top row the
  // edge repeats and counts as index 255, which is opaque here.
  EXPECT_EQ(pixelAt(working, 0, 0), (Rgb{199, 99, 49}));
  EXPECT_EQ(pixelAt(working, 2, 2), (Rgb{200, 100, 50}));
  EXPECT_FALSE(canvas.isTransparent(2, 2));
}

TEST(ImageCanvasTest, RenderStartsAgainFromTheSource) {
  TempDir dir;
  CImageCanvas canvas(writeBmp(dir, "p.bmp", *testing::trueColourPicture(4, 4, positionColour)));
  canvas.setSize(2, 2);
  canvas.render();
  canvas.setSize(4, 4);
  canvas.render();
  EXPECT_EQ(pixelAt(*canvas.working(), 3, 1), positionColour(3, 1));
  canvas.setSize(0, 4);
  canvas.render();
  EXPECT_EQ(canvas.working(), nullptr);
  EXPECT_FALSE(canvas.save(dir.path() / "out.bmp"));
}

TEST(ImageCanvasTest, SavesJpegAndBmpButNotPng) {
  TempDir dir;
  CImageCanvas canvas(writeBmp(dir, "p.bmp", *testing::trueColourPicture(16, 8, positionColour)));
  EXPECT_FALSE(canvas.save(dir.path() / "out.png"));
  EXPECT_FALSE(canvas.save(dir.path() / "out.tif"));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "out.png"));
  ASSERT_TRUE(canvas.save(dir.path() / "out.bmp"));
  CImageImplBMP bmp("b.bmp");
  ASSERT_TRUE(bmp.read(dir.path() / "out.bmp"));
  EXPECT_EQ(pixelAt(bmp, 15, 7), positionColour(15, 7));
  canvas.setJpegQuality(10);
  ASSERT_TRUE(canvas.save(dir.path() / "low.jpg"));
  canvas.setJpegQuality(100);
  ASSERT_TRUE(canvas.save(dir.path() / "high.jpeg"));
  EXPECT_LT(std::filesystem::file_size(dir.path() / "low.jpg"),
            std::filesystem::file_size(dir.path() / "high.jpeg"));
}

TEST(ImageCanvasTest, GifOfFewColoursKeepsThemExactlyInTheOrderFirstMet) {
  TempDir dir;
  // Column 0 holds blue then red (from the bottom), column 1 green.
  auto picture = testing::trueColourPicture(2, 2, [](int x, int y) {
    if (x == 1) return Rgb{0, 255, 0};
    return y == 0 ? Rgb{0, 0, 255} : Rgb{255, 0, 0};
  });
  std::unique_ptr<CImageFile> reduced = reduceToPalette(*picture);
  EXPECT_EQ(reduced->format(), ImageFormat::kGif);
  EXPECT_EQ(reduced->impl()->palette(), (Palette{{0, 0, 255}, {255, 0, 0}, {0, 255, 0}}));
  EXPECT_EQ(reduced->impl()->getIndex(1, 1), 2);
  EXPECT_EQ(reduced->impl()->transparentIndex(), -1);
  CImageCanvas canvas(writeBmp(dir, "p.bmp", *picture));
  ASSERT_TRUE(canvas.save(dir.path() / "p.gif"));
  CImageImplGIF back("b.gif");
  ASSERT_TRUE(back.read(dir.path() / "p.gif"));
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 2; ++x) EXPECT_EQ(pixelAt(back, x, y), pixelAt(*picture, x, y));
  }
}

TEST(ImageCanvasTest, ManyColoursUseBoxSplittingBelow503PixelsAndNeuQuantFrom503) {
  auto colourful = [](int width, int height) {
    return testing::trueColourPicture(width, height, [=](int x, int y) {
      int n = (y * width + x) % 300;  // 300 colours
      return Rgb{static_cast<uint8_t>(n), static_cast<uint8_t>(n / 2), static_cast<uint8_t>(n * 3)};
    });
  };
  auto small = colourful(20, 20);
  EXPECT_EQ(listColours(*small).size(), 300u);
  EXPECT_EQ(reduceToPalette(*small)->impl()->palette(),
            BoxSplitQuantizer(listColours(*small)).palette());
  auto large = colourful(30, 30);
  std::unique_ptr<CImageFile> reduced = reduceToPalette(*large);
  NeuQuant quantizer(*large);
  EXPECT_EQ(reduced->impl()->palette(), quantizer.palette());
  EXPECT_EQ(reduced->impl()->getIndex(7, 9), quantizer.indexOf(pixelAt(*large, 7, 9)));
  // The listing stops at 1006 colours.
  auto busy = testing::trueColourPicture(40, 40, [](int x, int y) {
    return Rgb{static_cast<uint8_t>(x), static_cast<uint8_t>(y), 0};
  });
  std::vector<Rgb> listed = listColours(*busy);
  ASSERT_EQ(listed.size(), 1006u);
  EXPECT_EQ(listed[1], (Rgb{0, 1, 0}));  // up the first column first
  EXPECT_EQ(listed[40], (Rgb{1, 0, 0}));
}

TEST(ImageCanvasTest, TransparentGifKeepsTransparencyAndOpaquePixelsOfTheKeyColourStayVisible) {
  TempDir dir;
  // Index 0 (red) is transparent; index 1 is the same red but opaque.
  auto picture = testing::palettedPicture(3, 1, {{255, 0, 0}, {255, 0, 0}, {250, 0, 0}},
                                          [](int x, int) { return x; });
  picture->setTransparentIndex(0);
  CImageCanvas canvas(writeGif(dir, "t.gif", *picture));
  ASSERT_TRUE(canvas.save(dir.path() / "out.gif"));
  CImageImplGIF back("b.gif");
  ASSERT_TRUE(back.read(dir.path() / "out.gif"));
  int transparent = back.transparentIndex();
  ASSERT_NE(transparent, -1);
  EXPECT_EQ(back.getIndex(0, 0), transparent);
  EXPECT_NE(back.getIndex(1, 0), transparent);
  EXPECT_EQ(pixelAt(back, 1, 0), (Rgb{250, 0, 0}));  // moved to the nearest other entry
  EXPECT_EQ(pixelAt(back, 2, 0), (Rgb{250, 0, 0}));
}

}  // namespace
}  // namespace quorvex
