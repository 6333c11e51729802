#include "generator/image_size.h"

#include <gtest/gtest.h>

#include "imaging/image_file.h"
#include "support/temp_dir.h"

namespace quorvex::testing {
namespace {

TEST(ImageSize, ReadsHeadersByExtensionAndGivesUnknownOtherwise) {
  TempDir dir;
  CImageFile picture;
  ASSERT_TRUE(picture.create(7, 5, 24, -1));
  ASSERT_TRUE(picture.save(dir.path() / "a.JPG", ImageFormat::kJpeg));
  ASSERT_TRUE(picture.save(dir.path() / "b.bmp", ImageFormat::kBmp));
  ASSERT_TRUE(picture.save(dir.path() / "c.png", ImageFormat::kPng));
  // The logical screen of a GIF header, whatever follows.
  dir.write("d.gif", std::string("GIF89a\x0c\x01\x22\x00", 10));
  EXPECT_EQ(imageSize(dir.path() / "a.JPG").width, 7);
  EXPECT_EQ(imageSize(dir.path() / "a.JPG").height, 5);
  EXPECT_EQ(imageSize(dir.path() / "b.bmp").width, 7);
  EXPECT_EQ(imageSize(dir.path() / "c.png").height, 5);
  EXPECT_EQ(imageSize(dir.path() / "d.gif").width, 268);
  EXPECT_EQ(imageSize(dir.path() / "d.gif").height, 34);

  dir.write("bad.jpg", std::string("\xFF\xD8\xFF\xE0 truncated", 15));
  dir.write("bad.gif", "PNG89a0000");
  dir.write("short.gif", "GIF8");
  for (const char* name : {"bad.jpg", "bad.gif", "short.gif", "missing.jpg", "c.psd"}) {
    EXPECT_FALSE(imageSize(dir.path() / name).known()) << name;
  }
  std::filesystem::copy_file(dir.path() / "c.png", dir.path() / "c.psd");
  EXPECT_FALSE(imageSize(dir.path() / "c.psd").known());
}

}  // namespace
}  // namespace quorvex::testing
