#include "app/button_preview.h"

#include <fstream>
#include <iterator>

#include "app/app_fixture.h"
#include "platform/home.h"
#include "site/style_template.h"

namespace quorvex::testing {
namespace {

namespace fs = std::filesystem;

std::string bytesOf(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ButtonPreviewTest : public AppFixture {};

TEST_F(ButtonPreviewTest, DrawsTheLinkButtonsWithTheirFontsAndShowsUndrawnPictures) {
  const fs::path button = installedDataDir() / "Style Templates" / "LeftImg" / "Images" /
                          "button.gif";
  CTemplate style;
  style.linkImage = button.string();
  style.linkPressedImage.clear();
  style.def_buy_img = button.string();
  style.buy_drawtext = 0;
  style.def_view_img.clear();
  fs::path folder;
  {
    ButtonPreview preview(env_);
    std::vector<ButtonPreview::Sample> samples = preview.draw(style);
    ASSERT_EQ(samples.size(), 4u);
    folder = samples[0].picture.parent_path();
    EXPECT_EQ(samples[0].picture.extension(), ".gif");
    EXPECT_TRUE(fs::exists(samples[0].picture));
    EXPECT_TRUE(fs::exists(samples[1].picture)) << "the pressed link falls back to the picture";
    EXPECT_EQ(samples[2].picture, button) << "a buy button without drawn text is its picture";
    EXPECT_TRUE(samples[3].picture.empty()) << "no view cart picture";

    const std::string before = bytesOf(samples[0].picture);
    style.linkFont.offsetX = 6;
    samples = preview.draw(style);
    EXPECT_NE(bytesOf(samples[0].picture), before) << "the text moved with the offset";

    style.buttonLinks = 0;
    EXPECT_EQ(preview.draw(style).size(), 2u) << "text links have no buttons";
  }
  EXPECT_FALSE(fs::exists(folder));
}

}  // namespace
}  // namespace quorvex::testing
