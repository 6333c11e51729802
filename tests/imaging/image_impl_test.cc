#include "imaging/image_impl.h"

#include <gtest/gtest.h>

#include "imaging/bmp_image.h"

namespace quorvex {
namespace {

TEST(ImageImplTest, CreateMakesZeroedRowsPaddedToFourBytes) {
  CImageImplBMP image("a.bmp");
  ASSERT_TRUE(image.create(5, 3, 24, -1));
  EXPECT_EQ(image.stride(), 16);  // 15 bytes rounded up
  EXPECT_EQ(image.colourType(), 2);
  EXPECT_EQ(image.transparentIndex(), -1);
  for (int y = 0; y < 3; ++y) {
    for (int i = 0; i < 16; ++i) EXPECT_EQ(image.row(y)[i], 0);
  }
  ASSERT_TRUE(image.create(3, 2, 8, -1));
  EXPECT_EQ(image.stride(), 4);
  EXPECT_EQ(image.colourType(), 0);
  EXPECT_FALSE(image.hasPalette());
  ASSERT_TRUE(image.create(1, 1, 1, 6));
  EXPECT_EQ(image.colourType(), 6);
}

TEST(ImageImplTest, CreateRefusesUnusableSizesAndDepths) {
  CImageImplBMP image("a.bmp");
  EXPECT_FALSE(image.create(0, 5, 24, -1));
  EXPECT_FALSE(image.create(5, -1, 24, -1));
  EXPECT_FALSE(image.create(5, 5, 7, -1));
  EXPECT_FALSE(image.create(20000, 5001, 24, -1));  // just above 100 million pixels
  EXPECT_FALSE(image.isValid());
  EXPECT_EQ(image.width(), 0);
  EXPECT_TRUE(image.create(20000, 5000, 8, -1));
}

TEST(ImageImplTest, PixelAccessCountsRowsFromTheBottomAndIgnoresOutside) {
  CImageImplBMP image("a.bmp");
  image.create(2, 2, 24, -1);
  EXPECT_TRUE(image.setRGB(1, 0, Rgb{10, 20, 30}));
  EXPECT_EQ(image.row(0)[3], 30);  // blue first
  EXPECT_EQ(image.row(0)[5], 10);
  Rgb colour{1, 1, 1};
  EXPECT_FALSE(image.getRGB(2, 0, colour));
  EXPECT_FALSE(image.getRGB(0, -1, colour));
  EXPECT_EQ(colour, (Rgb{1, 1, 1}));
  EXPECT_FALSE(image.setRGB(-1, 0, Rgb{}));
  EXPECT_EQ(image.getIndex(0, 0), -1);  // too deep for indices
  EXPECT_FALSE(image.setIndex(0, 0, 1));
}

TEST(ImageImplTest, IndicesOfSmallDepthsUseTheBitsOfTheirByte) {
  CImageImplBMP image("a.bmp");
  image.create(4, 1, 4, -1);
  image.setIndex(0, 0, 0xA);
  image.setIndex(1, 0, 0x5);
  image.setIndex(3, 0, 0xF);
  EXPECT_EQ(image.row(0)[0], 0xA5);
  EXPECT_EQ(image.row(0)[1], 0x0F);
  EXPECT_EQ(image.getIndex(1, 0), 0x5);
  image.create(8, 1, 1, -1);
  image.setIndex(6, 0, 1);
  EXPECT_EQ(image.row(0)[0], 0x02);
  EXPECT_EQ(image.getIndex(6, 0), 1);
  EXPECT_EQ(image.getIndex(7, 0), 0);
}

TEST(ImageImplTest, PalettedPixelsReadThroughThePaletteAndWriteTheNearestEntry) {
  CImageImplBMP image("a.bmp");
  image.create(3, 1, 8, -1);
  Rgb colour;
  EXPECT_FALSE(image.setRGB(0, 0, Rgb{1, 2, 3}));  // no palette: no colour fits 8 bits
  image.setPalette({{0, 0, 0}, {200, 0, 0}, {200, 0, 0}, {0, 0, 250}});
  EXPECT_EQ(image.colourType(), 3);
  EXPECT_TRUE(image.setRGB(0, 0, Rgb{180, 30, 0}));
  EXPECT_EQ(image.getIndex(0, 0), 1);  // the lower of two equal entries
  EXPECT_TRUE(image.setRGB(1, 0, Rgb{0, 0, 250}));
  EXPECT_EQ(image.getIndex(1, 0), 3);
  image.getRGB(1, 0, colour);
  EXPECT_EQ(colour, (Rgb{0, 0, 250}));
  image.setIndex(2, 0, 9);  // beyond the palette
  image.getRGB(2, 0, colour);
  EXPECT_EQ(colour, (Rgb{0, 0, 0}));
  EXPECT_TRUE(image.getPaletteEntry(3, colour));
  EXPECT_FALSE(image.getPaletteEntry(4, colour));
  EXPECT_FALSE(image.getPaletteEntry(-1, colour));
}

TEST(ImageImplTest, SixteenBitPixelsReadAsFiveBitsPerChannel) {
  CImageImplBMP image("a.bmp");
  image.create(2, 1, 16, -1);
  image.row(0)[2] = 0x1F;  // pixel 1: blue full, red and green none
  image.row(0)[3] = 0x7C;  // red full
  Rgb colour;
  image.getRGB(1, 0, colour);
  EXPECT_EQ(colour, (Rgb{255, 0, 255}));
}

TEST(ImageImplTest, TakePixelStoreMovesEverythingButTheCodecSettings) {
  CImageImplBMP from("from.bmp");
  from.create(2, 3, 8, -1);
  from.setPalette({{1, 2, 3}});
  from.setTransparentIndex(0);
  from.setIndex(1, 2, 7);
  CImageImplBMP to("to.bmp");
  to.takePixelStore(from);
  EXPECT_EQ(to.width(), 2);
  EXPECT_EQ(to.height(), 3);
  EXPECT_EQ(to.colourType(), 3);
  EXPECT_EQ(to.transparentIndex(), 0);
  EXPECT_EQ(to.palette().size(), 1u);
  EXPECT_EQ(to.getIndex(1, 2), 7);
  EXPECT_EQ(to.fileName(), "to.bmp");
  EXPECT_FALSE(from.isValid());
}

}  // namespace
}  // namespace quorvex
