#include "generator/image_size.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "generator/picture_sizes.h"
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

// A picture the run changes after it was measured is measured again, however
// it was changed; one that is unchanged keeps its size.
TEST(PictureSizes, MeasuresAgainWhatChanged) {
  TempDir dir;
  auto gif = [](int width) {
    return std::string("GIF89a") + char(width) + std::string("\x00\x22\x00", 3);
  };
  const std::filesystem::path file = dir.path() / "p.gif";
  enum class Change { kNone, kRenamedOver, kRewritten, kRemoved };
  struct Step {
    Change change;
    int width;  // written, then expected; -1: unknown
  };
  const std::vector<Step> steps = {
      {Change::kRewritten, 20}, {Change::kNone, 20},   {Change::kRenamedOver, 30},
      {Change::kRewritten, 40}, {Change::kRemoved, -1}, {Change::kRewritten, 50},
  };
  PictureSizes sizes;
  for (const Step& step : steps) {
    // Rewritten in place with another length, as the time stamps of two
    // quick writes may be equal.
    if (step.change == Change::kRewritten) {
      dir.write("p.gif", gif(step.width) + std::string(size_t(step.width / 10), ' '));
    }
    if (step.change == Change::kRenamedOver) {
      std::filesystem::rename(dir.write("new.gif", gif(step.width)), file);
    }
    if (step.change == Change::kRemoved) std::filesystem::remove(file);
    EXPECT_EQ(sizes.of(file).width, step.width) << "width " << step.width;
  }
}

}  // namespace
}  // namespace quorvex::testing
