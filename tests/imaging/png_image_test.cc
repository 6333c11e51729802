#include "imaging/png_image.h"

#include <gtest/gtest.h>
#include <png.h>

#include <functional>

#include "test_pictures.h"

namespace quorvex {
namespace {

using testing::pixelAt;

struct PngRecipe {
  int width = 2;
  int height = 2;
  int colourType = PNG_COLOR_TYPE_RGB;
  int bitDepth = 8;
  bool interlaced = false;
  std::vector<png_color> palette;
  std::vector<png_byte> alphas;
  // The bytes of row y (from the top).
  std::function<std::vector<png_byte>(int)> row;
};

void append(png_structp png, png_bytep data, size_t size) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<char*>(data), size);
}

// A PNG file made directly with libpng.
std::string pngFile(const PngRecipe& recipe) {
  std::string bytes;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &bytes, append, nullptr);
  png_set_IHDR(png, info, recipe.width, recipe.height, recipe.bitDepth, recipe.colourType,
               recipe.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!recipe.palette.empty()) png_set_PLTE(png, info, recipe.palette.data(), recipe.palette.size());
  if (!recipe.alphas.empty())
    png_set_tRNS(png, info, recipe.alphas.data(), recipe.alphas.size(), nullptr);
  png_write_info(png, info);
  std::vector<std::vector<png_byte>> rows;
  std::vector<png_bytep> pointers;
  for (int y = 0; y < recipe.height; ++y) rows.push_back(recipe.row(y));
  for (auto& row : rows) pointers.push_back(row.data());
  png_write_image(png, pointers.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return bytes;
}

TEST(PngImageTest, TruecolourKeepsItsColours) {
  PngRecipe recipe;
  recipe.row = [](int y) {
    return y == 0 ? std::vector<png_byte>{255, 0, 0, 0, 255, 0} : std::vector<png_byte>(6, 7);
  };
  CImageImplPNG image("a.png");
  ASSERT_TRUE(decodePng(pngFile(recipe), image));
  EXPECT_EQ(image.bitsPerPixel(), 24);
  EXPECT_EQ(image.colourType(), 2);
  EXPECT_EQ(pixelAt(image, 0, 1), (Rgb{255, 0, 0}));  // the top row
  EXPECT_EQ(pixelAt(image, 1, 1), (Rgb{0, 255, 0}));
  EXPECT_EQ(pixelAt(image, 0, 0), (Rgb{7, 7, 7}));
}

TEST(PngImageTest, TransparencyIsCompositedOverTheBackgroundColour) {
  PngRecipe recipe;
  recipe.colourType = PNG_COLOR_TYPE_RGB_ALPHA;
  recipe.row = [](int) { return std::vector<png_byte>{10, 20, 30, 0, 10, 20, 30, 255}; };
  CImageImplPNG image("a.png");
  ASSERT_TRUE(decodePng(pngFile(recipe), image));
  EXPECT_EQ(image.bitsPerPixel(), 24);
  EXPECT_EQ(image.colourType(), 6);
  EXPECT_EQ(pixelAt(image, 0, 0), kPngBackground);
  EXPECT_EQ(pixelAt(image, 1, 0), (Rgb{10, 20, 30}));
  // Grey with alpha comes out as truecolour over the same background.
  recipe.colourType = PNG_COLOR_TYPE_GRAY_ALPHA;
  recipe.row = [](int) { return std::vector<png_byte>{90, 0, 90, 255}; };
  ASSERT_TRUE(decodePng(pngFile(recipe), image));
  EXPECT_EQ(pixelAt(image, 0, 0), kPngBackground);
  EXPECT_EQ(pixelAt(image, 1, 0), (Rgb{90, 90, 90}));
}

TEST(PngImageTest, PalettedFilesKeepIndicesAndTheStoredPalette) {
  PngRecipe recipe;
  recipe.colourType = PNG_COLOR_TYPE_PALETTE;
  recipe.bitDepth = 4;
  recipe.palette = {{1, 2, 3}, {40, 50, 60}};
  recipe.alphas = {0};  // entry 0 transparent: not applied
  recipe.row = [](int y) {
    return std::vector<png_byte>{static_cast<png_byte>(y == 0 ? 0x01 : 0x10)};
  };
  CImageImplPNG image("a.png");
  ASSERT_TRUE(decodePng(pngFile(recipe), image));
  EXPECT_EQ(image.bitsPerPixel(), 4);
  EXPECT_EQ(image.colourType(), 3);
  EXPECT_EQ(image.palette(), (Palette{{1, 2, 3}, {40, 50, 60}}));
  EXPECT_EQ(image.getIndex(1, 1), 1);
  EXPECT_EQ(image.getIndex(0, 0), 1);
  EXPECT_EQ(pixelAt(image, 0, 1), (Rgb{1, 2, 3}));
}

TEST(PngImageTest, InterlacedAndSixteenBitFilesReadAsThePlainForm) {
  PngRecipe plain;
  plain.width = 13;
  plain.height = 9;
  plain.row = [](int y) {
    std::vector<png_byte> row;
    for (int x = 0; x < 13; ++x) row.insert(row.end(), {png_byte(x * 19), png_byte(y * 28), 99});
    return row;
  };
  PngRecipe interlaced = plain;
  interlaced.interlaced = true;
  PngRecipe deep = plain;
  deep.bitDepth = 16;
  deep.row = [&](int y) {
    std::vector<png_byte> row;
    for (png_byte b : plain.row(y)) row.insert(row.end(), {b, 0x80});
    return row;
  };
  CImageImplPNG a("a.png"), b("b.png"), c("c.png");
  ASSERT_TRUE(decodePng(pngFile(plain), a));
  ASSERT_TRUE(decodePng(pngFile(interlaced), b));
  ASSERT_TRUE(decodePng(pngFile(deep), c));
  EXPECT_EQ(c.bitsPerPixel(), 24);
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 13; ++x) {
      ASSERT_EQ(pixelAt(a, x, y), pixelAt(b, x, y));
      ASSERT_EQ(pixelAt(a, x, y), pixelAt(c, x, y));
    }
  }
  EXPECT_EQ(pixelAt(a, 2, 8), (Rgb{38, 0, 99}));
}

TEST(PngImageTest, TruncatedFilesKeepTheirSizeAndBadOnesLoadNothing) {
  PngRecipe recipe;
  recipe.width = recipe.height = 64;
  recipe.row = [](int y) { return std::vector<png_byte>(64 * 3, static_cast<png_byte>(y * 3)); };
  std::string bytes = pngFile(recipe);
  CImageImplPNG image("a.png");
  EXPECT_FALSE(decodePng(bytes.substr(0, bytes.size() - 30), image));
  EXPECT_EQ(image.width(), 64);
  EXPECT_EQ(pixelAt(image, 0, 63), (Rgb{0, 0, 0}));
  EXPECT_FALSE(decodePng(bytes.substr(0, 30), image));
  EXPECT_EQ(image.width(), 0);
  EXPECT_FALSE(decodePng("\x89PNG\r\n\x1a\n garbage", image));
}

TEST(PngImageTest, WritesTruecolourAndPalettedPictures) {
  auto colour = testing::trueColourPicture(3, 2, [](int x, int y) {
    return Rgb{uint8_t(x), uint8_t(y), 5};
  });
  CImageImplPNG back("b.png");
  ASSERT_TRUE(decodePng(*encodePng(*colour), back));
  EXPECT_EQ(pixelAt(back, 2, 1), (Rgb{2, 1, 5}));
  auto paletted =
      testing::palettedPicture(3, 2, {{1, 1, 1}, {2, 2, 2}}, [](int x, int) { return x % 2; });
  paletted->setTransparentIndex(1);
  ASSERT_TRUE(decodePng(*encodePng(*paletted), back));
  EXPECT_EQ(back.getIndex(1, 0), 1);
  EXPECT_EQ(back.palette().size(), 2u);
}

}  // namespace
}  // namespace quorvex
