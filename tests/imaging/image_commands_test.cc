// Runs quorvex-cli's image command as a user would.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "imaging/bmp_image.h"
#include "imaging/gif_writer.h"
#include "imaging/image_file.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"
#include "test_pictures.h"

namespace quorvex {
namespace {

using testing::TempDir;

class ImageCommandsTest : public ::testing::Test {
 protected:
  // Runs "quorvex-cli --home HOME image ARGS..." in a temporary home.
  testing::CliResult image(std::vector<std::string> args) {
    args.insert(args.begin(), {"--home", (dir_.path() / "home").string(), "image"});
    return testing::runCli(args);
  }

  std::string path(const std::string& name) const { return (dir_.path() / name).string(); }

  TempDir dir_;
};

TEST_F(ImageCommandsTest, InfoShowsFormatSizeDepthPaletteAndTransparency) {
  auto gif =
      testing::palettedPicture(12, 5, {{0, 0, 0}, {31, 127, 255}}, [](int, int) { return 0; });
  gif->setTransparentIndex(1);
  dir_.write("t.gif", *encodeGif(*gif));
  testing::CliResult info = image({"info", path("t.gif")});
  EXPECT_EQ(info.exit_status, 0);
  EXPECT_EQ(info.out,
            "Format:       GIF\n"
            "Size:         12 x 5\n"
            "Depth:        8 bits per pixel\n"
            "Colour type:  3\n"
            "Palette:      256 entries\n"
            "Transparency: index 1 (31, 127, 255)\n");
  EXPECT_EQ(image({"info", path("missing.gif")}).exit_status, 1);
}

TEST_F(ImageCommandsTest, ResizeConvertAndButtonWriteTheirPictures) {
  auto photo = testing::trueColourPicture(300, 200, [](int x, int y) {
    return Rgb{static_cast<uint8_t>(x), static_cast<uint8_t>(y), 90};
  });
  dir_.write("photo.bmp", encodeBmp(*photo));
  ASSERT_EQ(image({"resize", path("photo.bmp"), path("small.jpg"), "--width", "150"}).exit_status,
            0);
  CImageFile small;
  small.load(path("small.jpg"), ImageFormat::kJpeg);
  EXPECT_EQ(small.width(), 150);
  EXPECT_EQ(small.height(), 100);
  ASSERT_EQ(image({"convert", path("small.jpg"), path("small.png")}).exit_status, 0);
  CImageFile png;
  png.load(path("small.png"), ImageFormat::kPng);
  EXPECT_EQ(png.width(), 150);
  ASSERT_EQ(image({"button", path("photo.bmp"), path("button.gif"), "--text", "Buy This", "--face",
                   "Arial", "--height", "-14", "--weight", "700", "--color", "0xFFFFFF", "--shadow",
                   "2", "--offset", "4,-2"})
                .exit_status,
            0);
  CImageFile button;
  button.load(path("button.gif"), ImageFormat::kGif);
  EXPECT_EQ(button.width(), 300);
  EXPECT_EQ(button.height(), 200);
}

TEST_F(ImageCommandsTest, MistakesAreUsageErrors) {
  EXPECT_EQ(image({}).exit_status, 2);
  EXPECT_EQ(image({"frobnicate", "x"}).exit_status, 2);
  EXPECT_EQ(image({"resize", "a.bmp", "b.jpg"}).exit_status, 2);
  EXPECT_EQ(image({"resize", "a.bmp", "b.jpg", "--width", "many"}).exit_status, 2);
  EXPECT_EQ(image({"button", "a.gif", "b.gif"}).exit_status, 2);
  EXPECT_EQ(image({"button", "a.gif", "b.gif", "--text", "Go", "--offset", "3"}).exit_status, 2);
  EXPECT_EQ(image({"convert", path("none.bmp"), path("x.jpg")}).exit_status, 1);
}

}  // namespace
}  // namespace quorvex
