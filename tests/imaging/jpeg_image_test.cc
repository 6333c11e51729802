#include "imaging/jpeg_image.h"

#include <gtest/gtest.h>
#include <jpeglib.h>

#include <cstdio>
#include <cstdlib>

#include "test_pictures.h"

namespace quorvex {
namespace {

using testing::pixelAt;

// A JPEG made directly with libjpeg, grey when `components` is 1: flat
// `value`, or busy (mostly scan data) when `value` is -1.
std::string libjpegFile(int width, int height, int components, int value) {
  jpeg_compress_struct codec;
  jpeg_error_mgr errors;
  codec.err = jpeg_std_error(&errors);
  jpeg_create_compress(&codec);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&codec, &buffer, &size);
  codec.image_width = width;
  codec.image_height = height;
  codec.input_components = components;
  codec.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&codec);
  jpeg_start_compress(&codec, TRUE);
  std::vector<JSAMPLE> row(width * components, static_cast<JSAMPLE>(value));
  while (codec.next_scanline < codec.image_height) {
    for (size_t i = 0; value == -1 && i < row.size(); ++i) {
      row[i] = static_cast<JSAMPLE>(i * 37 + codec.next_scanline * 91);
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&codec, rows, 1);
  }
  jpeg_finish_compress(&codec);
  std::string bytes(reinterpret_cast<char*>(buffer), size);
  jpeg_destroy_compress(&codec);
  std::free(buffer);
  return bytes;
}

bool near(Rgb a, Rgb b, int tolerance) {
  return std::abs(a.red - b.red) <= tolerance && std::abs(a.green - b.green) <= tolerance &&
         std::abs(a.blue - b.blue) <= tolerance;
}

TEST(JpegImageTest, ColourPicturesRoundTripTopRowFirst) {
  // Top half red, bottom half blue: the codec keeps flat areas almost exact.
  auto picture = testing::trueColourPicture(32, 32, [](int, int y) {
    return y >= 16 ? Rgb{250, 0, 0} : Rgb{0, 0, 250};
  });
  std::optional<std::string> bytes = encodeJpeg(*picture, 95);
  ASSERT_TRUE(bytes);
  CImageImplJPEG back("a.jpg");
  ASSERT_TRUE(decodeJpeg(*bytes, {}, back));
  EXPECT_EQ(back.bitsPerPixel(), 24);
  EXPECT_EQ(back.colourType(), 2);
  EXPECT_TRUE(near(pixelAt(back, 3, 28), Rgb{250, 0, 0}, 6));
  EXPECT_TRUE(near(pixelAt(back, 3, 3), Rgb{0, 0, 250}, 6));
  // A lower quality makes a smaller file.
  EXPECT_LT(encodeJpeg(*picture, 20)->size(), bytes->size());
  CImageImplJPEG paletted("b.jpg");
  paletted.create(2, 2, 8, -1);
  EXPECT_FALSE(encodeJpeg(paletted, 90));
}

TEST(JpegImageTest, GreyPicturesGetTheGreyRampAsPalette) {
  CImageImplJPEG image("a.jpg");
  ASSERT_TRUE(decodeJpeg(libjpegFile(8, 8, 1, 77), {}, image));
  EXPECT_EQ(image.bitsPerPixel(), 8);
  EXPECT_EQ(image.colourType(), 3);
  ASSERT_EQ(image.palette().size(), 256u);
  EXPECT_EQ(image.palette()[200], (Rgb{200, 200, 200}));
  EXPECT_EQ(image.getIndex(4, 4), 77);
}

TEST(JpegImageTest, PreviewScaleIsTheLargestThatStillFillsEightTenthsOfTheArea) {
  EXPECT_EQ(jpegPreviewScale(1600, 1200, 100, 100), 8);  // 200 >= 80
  EXPECT_EQ(jpegPreviewScale(1600, 1200, 300, 300), 4);  // 200 < 240 <= 400
  EXPECT_EQ(jpegPreviewScale(1600, 300, 900, 100), 2);   // by width: 800 >= 720
  EXPECT_EQ(jpegPreviewScale(100, 100, 200, 200), 1);
  EXPECT_EQ(jpegPreviewScale(1600, 1200, 0, 100), 1);
}

TEST(JpegImageTest, PreviewDecodingReducesTheSize) {
  CImageImplJPEG image("a.jpg");
  ASSERT_TRUE(decodeJpeg(libjpegFile(160, 80, 3, 128), PreviewOptions{true, 20, 20}, image));
  EXPECT_EQ(image.width(), 20);
  EXPECT_EQ(image.height(), 10);
  ASSERT_TRUE(decodeJpeg(libjpegFile(160, 80, 3, 128), PreviewOptions{true, 0, 20}, image));
  EXPECT_EQ(image.width(), 160);
}

TEST(JpegImageTest, TruncatedFilesKeepTheirSizeAndBadOnesLoadNothing) {
  std::string bytes = libjpegFile(64, 64, 3, -1);
  CImageImplJPEG image("a.jpg");
  (void)decodeJpeg(bytes.substr(0, bytes.size() / 2), {}, image);  // judged by the size kept
  EXPECT_EQ(image.width(), 64);
  EXPECT_EQ(image.height(), 64);
  EXPECT_FALSE(decodeJpeg(bytes.substr(0, 20), {}, image));
  EXPECT_EQ(image.width(), 0);
  EXPECT_FALSE(decodeJpeg("not a picture at all", {}, image));
  EXPECT_FALSE(image.isValid());
}

}  // namespace
}  // namespace quorvex
