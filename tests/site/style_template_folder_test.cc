#include <filesystem>
#include <gtest/gtest.h>

#include "site/style_config_file.h"
#include "site/style_template_folder.h"
#include "support/temp_dir.h"
#include "support/template_home.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using Names = std::vector<std::string>;

class StyleTemplateFolderTest : public testing::TemplateHomeTest {
 protected:
  CTemplate style_;
  StyleTemplateFolder folder_{env_, style_};
};

TEST_F(StyleTemplateFolderTest, ListsConfigFilesAndFoldersWithAConfig) {
  writeStyleFile("Blue.cfg", "back_color=0000ff\n");
  writeStyleFile("Blue/TempConfig.cfg", "back_color=000080\n");
  writeStyleFile("Green.v2/tempconfig.CFG", "");
  writeStyleFile("Red/HomePage.html", "<html></html>");  // no configuration: not a style
  writeStyleFile("old.cfg.bak", "");
  writeStyleFile(".Hidden.cfg", "");
  writeStyleFile("notes.txt", "");
  writeStyleFile("Permanent.ini", "Blue\n");
  writeStyleFile("Previews/Blue.bmp", "BM");
  EXPECT_EQ(StyleTemplateFolder::styleNamesIn(home_.path()),
            (Names{"Blue", "Blue", "Green", "old.cfg"}));
  EXPECT_TRUE(StyleTemplateFolder::styleNamesIn(home_.path() / "nowhere").empty());
}

TEST_F(StyleTemplateFolderTest, ScanFindsTheChosenStyleByNameOrElseByPosition) {
  writeStyleFile("Amber.cfg", "");
  writeStyleFile("Slate.cfg", "");
  style_.currentName = "Slate";
  EXPECT_TRUE(folder_.scan());
  EXPECT_EQ(style_.currentIndex, 1);
  style_.currentName = "Gone";
  EXPECT_FALSE(folder_.scan());
  EXPECT_EQ(style_.currentIndex, 1);
  EXPECT_EQ(style_.styleNames, (Names{"Amber", "Slate"}));

  style_.currentName.clear();
  style_.currentIndex = 0;
  EXPECT_TRUE(folder_.scan());
  EXPECT_EQ(style_.currentName, "Amber");
  style_.currentName.clear();
  style_.currentIndex = 2;
  EXPECT_FALSE(folder_.scan());
  EXPECT_EQ(style_.currentName, "");
}

TEST_F(StyleTemplateFolderTest, LoadingResetsEverySettingBeforeReading) {
  writeStyleFile("Amber.cfg", "back_color=ffbf00\n");
  writeStyleFile("Red/TempConfig.cfg", "text_color=#aa0000\n");
  writeStyleFile("Red.cfg", "");
  writeStyleFile("Slate/TempConfig.cfg", "text_color=#404040\n");
  folder_.scan();
  style_.buy_text = "Take it";
  style_.linkFont.shadow = 0;
  style_.styleApplied = 1;

  ASSERT_TRUE(folder_.load(0));
  CTemplate expected;
  expected.resetSettings();
  expected.back_color = "#FFBF00";
  EXPECT_EQ(writeStyleConfig(style_), writeStyleConfig(expected));
  EXPECT_EQ(style_.currentName, "Amber");
  EXPECT_EQ(style_.styleApplied, 1);

  // "Red" is listed twice; either entry loads Red.cfg, which comes before
  // the folder's configuration.
  EXPECT_EQ(style_.styleNames, (Names{"Amber", "Red", "Red", "Slate"}));
  ASSERT_TRUE(folder_.load(2));
  EXPECT_EQ(style_.text_color, "#000000");
  EXPECT_EQ(style_.templatePath, "");
  ASSERT_TRUE(folder_.load(3));
  EXPECT_EQ(style_.text_color, "#404040");
  EXPECT_EQ(style_.templatePath, "Style Templates\\Slate\\");

  fs::remove_all(styleFolder() / "Slate");
  EXPECT_FALSE(folder_.load(3));
  EXPECT_EQ(takeTexts(), (Names{"FILE ERROR: No such file or directory"}));
  EXPECT_FALSE(folder_.load(4));
  EXPECT_EQ(style_.currentIndex, 4);
  EXPECT_TRUE(takeTexts().empty());
}

TEST_F(StyleTemplateFolderTest, AddRenameAndDeleteKeepFolderAndListInStep) {
  writeStyleFile("Sunset.cfg", "back_image=Style Templates\\Sunset\\Images\\sky.gif\n"
                               "template_path=Style Templates\\sunset\\\n"
                               "def_link_img=Template Images\\button-gray.gif\n");
  writeStyleFile("Sunset/Images/sky.gif", "GIF89a");
  writeStyleFile("Sunset/TempConfig.cfg", "");
  folder_.scan();
  ASSERT_TRUE(folder_.load(0));
  EXPECT_EQ(style_.styleNames, (Names{"Sunset", "Sunset"}));

  ASSERT_TRUE(folder_.rename("Dusk"));
  EXPECT_EQ(style_.styleNames, (Names{"Dusk", "Dusk"}));
  EXPECT_EQ(style_.currentName, "Dusk");
  EXPECT_FALSE(fs::exists(styleFolder() / "Sunset.cfg"));
  EXPECT_EQ(readFile(styleFolder() / "Dusk/Images/sky.gif"), "GIF89a");
  EXPECT_EQ(style_.backImage, "Style Templates\\Dusk\\Images\\sky.gif");
  EXPECT_EQ(style_.templatePath, "Style Templates\\Dusk\\");
  EXPECT_EQ(style_.linkImage, "Template Images\\button-gray.gif");
  EXPECT_EQ(readFile(styleFolder() / "Dusk.cfg"), writeStyleConfig(style_));

  EXPECT_EQ(folder_.newName(), "New Style");
  ASSERT_TRUE(folder_.addStyle(folder_.newName()));
  EXPECT_EQ(style_.styleNames, (Names{"Dusk", "Dusk", "New Style"}));
  EXPECT_EQ(style_.currentIndex, 2);
  EXPECT_EQ(style_.backImage, "Style Templates\\Dusk\\Images\\sky.gif");
  EXPECT_EQ(folder_.newName(), "New Style 2");

  ASSERT_TRUE(folder_.load(0));
  ASSERT_TRUE(folder_.deleteStyle());
  EXPECT_FALSE(fs::exists(styleFolder() / "Dusk"));
  EXPECT_FALSE(fs::exists(styleFolder() / "Dusk.cfg"));
  EXPECT_EQ(style_.styleNames, (Names{"New Style"}));
  EXPECT_EQ(style_.currentIndex, 0);
  EXPECT_EQ(StyleTemplateFolder::styleNamesIn(home_.path()), (Names{"New Style"}));
  EXPECT_TRUE(takeTexts().empty());

  // A name from a document that would lead elsewhere deletes nothing.
  style_.currentName = "..";
  EXPECT_FALSE(folder_.deleteStyle());
  EXPECT_TRUE(fs::exists(styleFolder() / "New Style.cfg"));
}

TEST_F(StyleTemplateFolderTest, PermanentStylesAreNamedByTheIniFile) {
  style_.currentName = "Harbour";
  EXPECT_FALSE(folder_.isPermanent());
  writeStyleFile("Permanent.ini", "LeftImg&Harbour\n");
  EXPECT_TRUE(folder_.isPermanent());
  EXPECT_TRUE(StyleTemplateFolder::isPermanentName(home_.path(), "Left"));
  EXPECT_FALSE(StyleTemplateFolder::isPermanentName(home_.path(), "harbour"));
}

TEST_F(StyleTemplateFolderTest, CopyBaseTemplateNeverOverwrites) {
  writeStyleFile("Base/HomePage.html", "base home");
  writeStyleFile("Base/shop.html", "base shop");
  writeStyleFile("Base/Sample.bmp", "BM");
  writeStyleFile("Base/Images/bg.gif", "GIF89a");
  writeStyleFile("Mine/HomePage.html", "my home");
  ASSERT_TRUE(folder_.copyBaseTemplate("Style Templates\\Base\\", "Mine"));
  EXPECT_EQ(readFile(styleFolder() / "Mine/HomePage.html"), "my home");
  EXPECT_EQ(readFile(styleFolder() / "Mine/shop.html"), "base shop");
  EXPECT_FALSE(fs::exists(styleFolder() / "Mine/Sample.bmp"));
  EXPECT_EQ(readFile(styleFolder() / "Mine/Images/bg.gif"), "GIF89a");
  EXPECT_EQ(style_.templatePath, "Style Templates\\Mine\\");
  EXPECT_EQ(takeTexts(),
            (Names{"A new directory called \"Mine\" has been created with duplicate files."}));
}

TEST_F(StyleTemplateFolderTest, PreviewFilesAreTriedInTheirOrder) {
  style_.currentName = "Blue";
  EXPECT_TRUE(folder_.previewFiles().empty());
  writeStyleFile("Blue/sample.BMP", "BM");
  writeStyleFile("Previews/Blue.bmp", "BM");
  writeStyleFile("Previews/Blue.jpg", "JPEG");
  EXPECT_EQ(folder_.previewFiles(),
            (std::vector<fs::path>{styleFolder() / "Previews/Blue.jpg",
                                   styleFolder() / "Previews/Blue.bmp",
                                   styleFolder() / "Blue/sample.BMP"}));
}

}  // namespace
}  // namespace quorvex
