#include "imaging/bmp_image.h"

#include <gtest/gtest.h>

#include "test_pictures.h"

namespace quorvex {
namespace {

using testing::pixelAt;

// Little-endian bytes of a bitmap file, written field by field.
class BmpBytes {
 public:
  BmpBytes& u16(uint32_t v) {
    bytes_ += static_cast<char>(v);
    bytes_ += static_cast<char>(v >> 8);
    return *this;
  }
  BmpBytes& u32(uint32_t v) { return u16(v).u16(v >> 16); }
  BmpBytes& raw(std::string_view text) {
    bytes_ += text;
    return *this;
  }
  BmpBytes& raw(std::initializer_list<int> values) {
    for (int v : values) bytes_ += static_cast<char>(v);
    return *this;
  }
  BmpBytes& fileHeader(uint32_t pixelOffset) { return raw("BM").u32(0).u32(0).u32(pixelOffset); }
  BmpBytes& infoHeader(int32_t width, int32_t height, int bitCount, uint32_t colorsUsed = 0,
                       uint32_t size = 40) {
    u32(size).u32(width).u32(height).u16(1).u16(bitCount).u32(0).u32(0).u32(0).u32(0);
    u32(colorsUsed).u32(0);
    for (uint32_t i = 40; i < size; ++i) raw(std::string(1, '\x77'));
    return *this;
  }
  BmpBytes& bgrx(Rgb c) { return raw({c.blue, c.green, c.red, 0}); }
  const std::string& bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// A 2 × 2 8-bit bitmap with a 2-colour table; rows bottom-up: 0 1 / 1 0.
BmpBytes twoByTwo(BmpBytes b) {
  return b.bgrx({255, 0, 0}).bgrx({0, 0, 255}).raw({0, 1, 0, 0}).raw({1, 0, 0, 0});
}

void expectTwoByTwo(const std::string& bytes) {
  CImageImplBMP image("a.bmp");
  ASSERT_TRUE(decodeBmp(bytes, image));
  EXPECT_EQ(image.width(), 2);
  EXPECT_EQ(image.height(), 2);
  EXPECT_EQ(image.colourType(), 3);
  EXPECT_EQ(image.palette().size(), 2u);
  EXPECT_EQ(pixelAt(image, 0, 0), (Rgb{255, 0, 0}));
  EXPECT_EQ(pixelAt(image, 1, 0), (Rgb{0, 0, 255}));
  EXPECT_EQ(pixelAt(image, 0, 1), (Rgb{0, 0, 255}));
}

TEST(BmpImageTest, ReadsFilesWithAndWithoutFileHeaderAlike) {
  expectTwoByTwo(twoByTwo(BmpBytes().fileHeader(14 + 40 + 8).infoHeader(2, 2, 8, 2)).bytes());
  expectTwoByTwo(twoByTwo(BmpBytes().infoHeader(2, 2, 8, 2)).bytes());
  // A larger header (V5) puts the colour table after all of it.
  expectTwoByTwo(twoByTwo(BmpBytes().infoHeader(2, 2, 8, 2, 124)).bytes());
  // Rows stored from the top come out bottom-up.
  std::string topDown = BmpBytes()
                            .infoHeader(2, -2, 8, 2)
                            .bgrx({255, 0, 0})
                            .bgrx({0, 0, 255})
                            .raw({1, 0, 0, 0})
                            .raw({0, 1, 0, 0})
                            .bytes();
  expectTwoByTwo(topDown);
}

TEST(BmpImageTest, ReadsTheOs2FormWithThreeByteColourEntries) {
  // 2 × 2, 1 bit per pixel, the same picture as twoByTwo.
  std::string os2 = BmpBytes()
                        .fileHeader(0)
                        .u32(12)
                        .u16(2)
                        .u16(2)
                        .u16(1)
                        .u16(1)
                        .raw({0, 0, 0xFF, 0xFF, 0, 0})
                        .raw({0x40, 0, 0, 0})
                        .raw({0x80, 0, 0, 0})
                        .raw(std::string(20, '\0'))
                        .bytes();
  CImageImplBMP image("a.bmp");
  ASSERT_TRUE(decodeBmp(os2, image));
  EXPECT_EQ(image.width(), 2);
  EXPECT_EQ(image.bitsPerPixel(), 1);
  EXPECT_EQ(image.palette(), (Palette{{255, 0, 0}, {0, 0, 255}}));
  EXPECT_EQ(pixelAt(image, 0, 0), (Rgb{255, 0, 0}));
  EXPECT_EQ(pixelAt(image, 1, 0), (Rgb{0, 0, 255}));
  EXPECT_EQ(pixelAt(image, 0, 1), (Rgb{0, 0, 255}));
  EXPECT_EQ(pixelAt(image, 1, 1), (Rgb{255, 0, 0}));
}

TEST(BmpImageTest, MissingPixelBytesStayZero) {
  std::string bytes = BmpBytes().infoHeader(4, 2, 24).raw("\x01\x02\x03\x04").bytes();
  CImageImplBMP image("a.bmp");
  ASSERT_TRUE(decodeBmp(bytes, image));
  EXPECT_EQ(pixelAt(image, 0, 0), (Rgb{3, 2, 1}));
  EXPECT_EQ(pixelAt(image, 1, 0), (Rgb{0, 0, 4}));
  EXPECT_EQ(pixelAt(image, 3, 1), (Rgb{0, 0, 0}));
  // A pixel offset beyond the file leaves every pixel zero.
  ASSERT_TRUE(
      decodeBmp(BmpBytes().fileHeader(9999).infoHeader(1, 1, 24).raw("abcd").bytes(), image));
  EXPECT_EQ(pixelAt(image, 0, 0), (Rgb{0, 0, 0}));
}

TEST(BmpImageTest, RefusesHeadersThatMakeNoSense) {
  CImageImplBMP image("a.bmp");
  EXPECT_FALSE(decodeBmp("BM", image));
  EXPECT_FALSE(decodeBmp(BmpBytes().fileHeader(0).u32(40).bytes(), image));  // short header
  EXPECT_FALSE(decodeBmp(BmpBytes().infoHeader(0, 5, 24).bytes(), image));
  EXPECT_FALSE(decodeBmp(BmpBytes().infoHeader(5, 0, 24).bytes(), image));
  EXPECT_FALSE(decodeBmp(BmpBytes().infoHeader(5, 5, 7).bytes(), image));
  EXPECT_FALSE(decodeBmp(BmpBytes().infoHeader(5, 5, 0).bytes(), image));
  EXPECT_FALSE(decodeBmp(BmpBytes().infoHeader(100000, 100000, 8).bytes(), image));
  EXPECT_FALSE(decodeBmp(BmpBytes().infoHeader(2, INT32_MIN, 8).bytes(), image));
  EXPECT_FALSE(image.isValid());
  // A colour count far beyond the file reads what is there and no pixels.
  ASSERT_TRUE(decodeBmp(BmpBytes().infoHeader(1, 1, 8, 0xFFFFFFFF).bgrx({9, 9, 9}).bytes(), image));
  EXPECT_EQ(image.palette().size(), 1u);
  EXPECT_EQ(image.getIndex(0, 0), 0);
}

TEST(BmpImageTest, WritesThePaletteAsColourTableAndReadsBackTheSamePicture) {
  auto paletted = testing::palettedPicture(3, 2, {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}},
                                           [](int x, int y) { return (x + y) % 3; });
  std::string bytes = encodeBmp(*paletted);
  ASSERT_EQ(bytes.size(), 14u + 40 + 3 * 4 + 2 * 4);
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(static_cast<uint8_t>(bytes[10]), 14 + 40 + 12);  // offset to the pixels
  CImageImplBMP back("b.bmp");
  ASSERT_TRUE(decodeBmp(bytes, back));
  EXPECT_EQ(back.palette(), paletted->palette());
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_EQ(back.getIndex(x, y), paletted->getIndex(x, y));
  }
  // Without a palette an 8-bit picture carries the VGA colours repeated.
  CImageImplBMP plain("c.bmp");
  ASSERT_TRUE(plain.create(1, 1, 8, -1));
  ASSERT_TRUE(decodeBmp(encodeBmp(plain), back));
  ASSERT_EQ(back.palette().size(), 256u);
  EXPECT_EQ(back.palette()[9], (Rgb{255, 0, 0}));
  EXPECT_EQ(back.palette()[16 + 7], (Rgb{192, 192, 192}));
  auto colour = testing::trueColourPicture(3, 2, [](int x, int y) {
    return Rgb{static_cast<uint8_t>(x * 50), static_cast<uint8_t>(y * 90), 7};
  });
  ASSERT_TRUE(decodeBmp(encodeBmp(*colour), back));
  EXPECT_EQ(back.bitsPerPixel(), 24);
  EXPECT_EQ(pixelAt(back, 2, 1), (Rgb{100, 90, 7}));
}

}  // namespace
}  // namespace quorvex
