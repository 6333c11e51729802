#include "imaging/image_file.h"

#include <gtest/gtest.h>

#include "imaging/bmp_image.h"
#include "imaging/file_bytes.h"
#include "support/temp_dir.h"
#include "test_pictures.h"

namespace quorvex {
namespace {

using testing::TempDir;

TEST(ImageFileTest, FormatsAreNamedByTheLastExtensionWithoutRegardToCase) {
  EXPECT_EQ(formatFromExtension("Photo.JPG"), ImageFormat::kJpeg);
  EXPECT_EQ(formatFromExtension("a.b/photo.jpeg"), ImageFormat::kJpeg);
  EXPECT_EQ(formatFromExtension("x.Gif"), ImageFormat::kGif);
  EXPECT_EQ(formatFromExtension("x.png"), ImageFormat::kPng);
  EXPECT_EQ(formatFromExtension("x.bmp"), ImageFormat::kBmp);
  EXPECT_EQ(formatFromExtension("photo.tif"), ImageFormat::kNone);
  EXPECT_EQ(formatFromExtension("bmp"), ImageFormat::kNone);
  EXPECT_EQ(formatFromExtension("pictures.bmp/photo"), ImageFormat::kNone);
}

TEST(ImageFileTest, XpmHasNoCodec) {
  CImageFile image;
  EXPECT_FALSE(image.makeImpl("a.xpm", ImageFormat::kXpm));
  EXPECT_EQ(image.impl(), nullptr);
  EXPECT_EQ(image.format(), ImageFormat::kNone);
  EXPECT_FALSE(image.save("a.bmp", ImageFormat::kBmp));  // nothing to save
  ASSERT_TRUE(image.create(2, 2, 24, 0));
  EXPECT_EQ(image.format(), ImageFormat::kBmp);
  EXPECT_FALSE(image.save("a.xpm", ImageFormat::kXpm));
  EXPECT_EQ(image.format(), ImageFormat::kBmp);
  EXPECT_EQ(image.width(), 2);
}

TEST(ImageFileTest, SavingInAnotherFormatMovesThePixelsAndPalette) {
  TempDir dir;
  CImageFile image;
  image.makeImpl("a.gif", ImageFormat::kGif);
  image.create(3, 2, 8, -1);
  image.impl()->setPalette({{10, 20, 30}, {40, 50, 60}});
  image.impl()->setIndex(2, 1, 1);
  std::filesystem::path bmp = dir.path() / "a.bmp";
  ASSERT_TRUE(image.save(bmp, ImageFormat::kBmp));
  EXPECT_EQ(image.format(), ImageFormat::kBmp);
  EXPECT_EQ(image.fileName(), bmp.string());
  EXPECT_EQ(image.impl()->getIndex(2, 1), 1);
  CImageImplBMP back("b.bmp");
  ASSERT_TRUE(back.read(bmp));
  EXPECT_EQ(back.bitsPerPixel(), 8);
  EXPECT_EQ(back.palette(), (Palette{{10, 20, 30}, {40, 50, 60}}));
  EXPECT_EQ(back.getIndex(2, 1), 1);
}

TEST(ImageFileTest, LoadReadsTheFileAndAFailedLoadLeavesNoPicture) {
  TempDir dir;
  auto picture = testing::trueColourPicture(4, 3, [](int x, int) { return Rgb{uint8_t(x), 0, 0}; });
  std::filesystem::path file = dir.write("p.bmp", encodeBmp(*picture));
  CImageFile image;
  image.load(file, ImageFormat::kBmp);
  EXPECT_EQ(image.width(), 4);
  EXPECT_EQ(image.fileName(), file.string());
  image.load(dir.path() / "missing.bmp", ImageFormat::kBmp);
  EXPECT_EQ(image.width(), 0);
  image.load(file, ImageFormat::kGif);  // not a GIF
  EXPECT_EQ(image.format(), ImageFormat::kGif);
  EXPECT_EQ(image.height(), 0);
}

}  // namespace
}  // namespace quorvex
