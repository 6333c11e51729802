#include "imaging/gif_image.h"

#include <gtest/gtest.h>

#include "imaging/gif_writer.h"
#include "test_pictures.h"

namespace quorvex {
namespace {

using testing::gifBytes;
using testing::GifRecipe;
using testing::pixelAt;

const Palette kFourColours = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {9, 9, 9}};

// A 2 × 3 frame covering the whole screen, pixel values 0..5 from the top.
GifRecipe sixPixels() {
  GifRecipe recipe;
  recipe.screenWidth = recipe.width = 2;
  recipe.screenHeight = recipe.height = 3;
  recipe.globalMap = kFourColours;
  recipe.pixels = {0, 1, 2, 3, 0, 1};
  return recipe;
}

TEST(GifImageTest, ReadsTheFirstFrameTopRowIntoTheTopImageRow) {
  CImageImplGIF image("a.gif");
  ASSERT_TRUE(decodeGif(gifBytes(sixPixels()), image));
  EXPECT_EQ(image.width(), 2);
  EXPECT_EQ(image.height(), 3);
  EXPECT_EQ(image.bitsPerPixel(), 8);
  EXPECT_EQ(image.colourType(), 3);
  EXPECT_EQ(image.getIndex(0, 2), 0);  // top row
  EXPECT_EQ(image.getIndex(1, 1), 3);
  EXPECT_EQ(image.getIndex(1, 0), 1);  // bottom row
  EXPECT_EQ(image.transparentIndex(), -1);
}

TEST(GifImageTest, PadsTheColourMapWithWhiteAndPrefersTheLocalMap) {
  CImageImplGIF image("a.gif");
  ASSERT_TRUE(decodeGif(gifBytes(sixPixels()), image));
  ASSERT_EQ(image.palette().size(), 256u);
  EXPECT_EQ(image.palette()[3], (Rgb{9, 9, 9}));
  EXPECT_EQ(image.palette()[4], (Rgb{255, 255, 255}));
  EXPECT_EQ(image.palette()[255], (Rgb{255, 255, 255}));
  GifRecipe local = sixPixels();
  local.localMap = {{1, 1, 1}, {2, 2, 2}};
  ASSERT_TRUE(decodeGif(gifBytes(local), image));
  EXPECT_EQ(pixelAt(image, 0, 2), (Rgb{1, 1, 1}));
  EXPECT_EQ(pixelAt(image, 0, 1), (Rgb{255, 255, 255}));  // index 2: beyond the local map
  GifRecipe noMap = sixPixels();
  noMap.globalMap.clear();
  EXPECT_FALSE(decodeGif(gifBytes(noMap), image));
  EXPECT_EQ(image.width(), 0);
}

TEST(GifImageTest, TransparencyNeedsTheControlBlockFlag) {
  CImageImplGIF image("a.gif");
  GifRecipe recipe = sixPixels();
  recipe.controlBlock = true;
  recipe.controlIndex = 3;
  recipe.controlFlags = 0;
  ASSERT_TRUE(decodeGif(gifBytes(recipe), image));
  EXPECT_EQ(image.transparentIndex(), -1);
  recipe.controlFlags = 1;
  ASSERT_TRUE(decodeGif(gifBytes(recipe), image));
  EXPECT_EQ(image.transparentIndex(), 3);
}

TEST(GifImageTest, InterlacedAndOffsetFramesLandOnTheirRows) {
  GifRecipe recipe;
  recipe.screenWidth = 3;
  recipe.screenHeight = 10;
  recipe.globalMap = kFourColours;
  recipe.left = 1;
  recipe.top = 1;
  recipe.width = 2;  // sticks out of the screen at the bottom: clipped
  recipe.height = 10;
  recipe.interlaced = true;
  for (int row = 0; row < 10; ++row) recipe.pixels.insert(recipe.pixels.end(), 2, row % 4);
  CImageImplGIF image("a.gif");
  ASSERT_TRUE(decodeGif(gifBytes(recipe), image));
  for (int fromTop = 1; fromTop < 10; ++fromTop) {
    EXPECT_EQ(image.getIndex(1, 9 - fromTop), (fromTop - 1) % 4) << "row " << fromTop;
    EXPECT_EQ(image.getIndex(0, 9 - fromTop), 0);
  }
}

TEST(GifImageTest, DamagedFilesLeaveNoPicture) {
  std::string bytes = gifBytes(sixPixels());
  CImageImplGIF image("a.gif");
  EXPECT_FALSE(decodeGif(bytes.substr(0, bytes.size() - 6), image));
  EXPECT_FALSE(image.isValid());
  EXPECT_FALSE(decodeGif("GIF89a", image));
  EXPECT_FALSE(decodeGif("", image));
  GifRecipe huge = sixPixels();
  huge.screenWidth = huge.screenHeight = 65535;
  EXPECT_FALSE(decodeGif(gifBytes(huge), image));
}

TEST(GifWriterTest, WritesAnInterlacedGif89aThatReadsBackTheSame) {
  auto picture =
      testing::palettedPicture(5, 11, kFourColours, [](int x, int y) { return (x * y) % 4; });
  picture->setTransparentIndex(2);
  std::optional<std::string> bytes = encodeGif(*picture);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes->substr(0, 6), "GIF89a");
  EXPECT_EQ(static_cast<uint8_t>((*bytes)[10]), 0xF7);  // global map of 256, resolution 8
  EXPECT_EQ(static_cast<uint8_t>((*bytes)[11]), 255);   // background index
  EXPECT_NE(bytes->find("Created by Quorvex"), std::string::npos);
  CImageImplGIF back("b.gif");
  ASSERT_TRUE(decodeGif(*bytes, back));
  EXPECT_EQ(back.transparentIndex(), 2);
  EXPECT_EQ(back.palette()[3], (Rgb{9, 9, 9}));
  EXPECT_EQ(back.palette()[4], (Rgb{0, 0, 0}));  // entries beyond the palette are black
  for (int y = 0; y < 11; ++y) {
    for (int x = 0; x < 5; ++x) ASSERT_EQ(back.getIndex(x, y), (x * y) % 4);
  }
  picture->setTransparentIndex(-1);
  ASSERT_TRUE(decodeGif(*encodeGif(*picture), back));
  EXPECT_EQ(back.transparentIndex(), -1);
}

TEST(GifWriterTest, NeedsAnEightBitPaletteImage) {
  auto colour = testing::trueColourPicture(2, 2, [](int, int) { return Rgb{}; });
  EXPECT_FALSE(encodeGif(*colour));
  CImageImplGIF noPalette("a.gif");
  noPalette.create(2, 2, 8, -1);
  EXPECT_FALSE(encodeGif(noPalette));
}

}  // namespace
}  // namespace quorvex
