#include "app/display_style_chooser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/scripted_front_end.h"
#include "platform/scripted_prompter.h"
#include "support/temp_dir.h"

namespace quorvex::testing {
namespace {

namespace fs = std::filesystem;

constexpr char kGoodStyle[] = "<BODY><!--PRODUCT_BEGIN-->Price<!--PRODUCT_END--></BODY>";
constexpr char kMissing[] = "I'm sorry, that file does not exist.";
constexpr char kBadChoice[] = "The file you have chosen is not a properly formatted display style.";
constexpr char kBadSetting[] =
    "The display file you have chosen is not a properly formatted Quorvex display style";

class DisplayStyleChooserTest : public ::testing::Test {
 protected:
  DisplayStyleChooserTest() : chooser_(frontEnd_, prompter_, home_.path()) {}

  TempDir home_;
  ScriptedFrontEnd frontEnd_;
  ScriptedPrompter prompter_;
  DisplayStyleChooser chooser_;
};

TEST_F(DisplayStyleChooserTest, DialogStartsInTheFolderOfTheCurrentStyle) {
  const FileDialogRequest request = chooser_.request("Display Styles\\Grid.html");
  EXPECT_EQ(request.title, "Choose Display Layout File...");
  ASSERT_EQ(request.filters.size(), 2u);
  EXPECT_EQ(request.filters[0].label, "HTML Files (*.htm;*.html)");
  EXPECT_EQ(request.filters[0].patterns, "*.htm;*.html");
  EXPECT_EQ(request.filters[1].label, "All Files (*.*)");
  EXPECT_EQ(request.filters[1].patterns, "*.*");
  EXPECT_FALSE(request.save);
  EXPECT_EQ(request.folder, home_.path() / "Display Styles");
  EXPECT_EQ(chooser_.request("/elsewhere/styles/Mine.html").folder, "/elsewhere/styles");
  // A name without a folder starts in the installed styles.
  EXPECT_EQ(chooser_.request("Mine.html").folder, home_.path() / "Display Styles");
  EXPECT_EQ(chooser_.request("").folder, home_.path() / "Display Styles");
}

TEST_F(DisplayStyleChooserTest, ChoosingAgainUntilAGoodStyleOrCancel) {
  const fs::path good = home_.write("mine/Good.html", kGoodStyle);
  const fs::path bad = home_.write("mine/Bad.html", "<BODY><!--PRODUCT_BEGIN--></BODY>");
  frontEnd_.queueFiles({home_.path() / "mine/Gone.html", bad, good});
  EXPECT_EQ(chooser_.choose("x.html"), good.string());
  EXPECT_EQ(prompter_.texts(), (std::vector<std::string>{kMissing, kBadChoice}));
  EXPECT_EQ(frontEnd_.fileRequests.size(), 3u);

  prompter_.clear();
  frontEnd_.queueFiles({bad, std::nullopt});
  EXPECT_EQ(chooser_.choose("x.html"), std::nullopt);
  EXPECT_EQ(prompter_.texts(), std::vector<std::string>{kBadChoice});
}

TEST_F(DisplayStyleChooserTest, OkChecksTheSettingAndOffersOneChoice) {
  home_.write("Display Styles/Display Default.html", kGoodStyle);
  std::string layoutFile = "Display Styles\\Display Default.html";
  chooser_.confirm(layoutFile);
  EXPECT_EQ(layoutFile, "Display Styles\\Display Default.html");
  EXPECT_TRUE(prompter_.texts().empty());
  EXPECT_TRUE(frontEnd_.fileRequests.empty());

  // A bad setting: the chooser opens once; its choice replaces the setting.
  const fs::path good = home_.write("Display Styles/Good.html", kGoodStyle);
  layoutFile = "Display Styles\\Gone.html";
  frontEnd_.queueFiles({good});
  chooser_.confirm(layoutFile);
  EXPECT_EQ(layoutFile, good.string());
  EXPECT_EQ(prompter_.texts(), std::vector<std::string>{kBadSetting});

  // Cancelling the chooser keeps the bad setting.
  prompter_.clear();
  layoutFile = "Display Styles\\Gone.html";
  chooser_.confirm(layoutFile);
  EXPECT_EQ(layoutFile, "Display Styles\\Gone.html");
  EXPECT_EQ(prompter_.texts(), std::vector<std::string>{kBadSetting});
  EXPECT_EQ(frontEnd_.fileRequests.size(), 2u);
}

}  // namespace
}  // namespace quorvex::testing
