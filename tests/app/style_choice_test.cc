#include <filesystem>
#include <gtest/gtest.h>

#include "app/style_choice.h"
#include "company/brenquil_doc.h"
#include "support/temp_dir.h"
#include "support/template_home.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using Names = std::vector<std::string>;

class StyleChoiceTest : public testing::TemplateHomeTest {
 protected:
  StyleChoiceTest() {
    writeStyleFile("Permanent.ini", "LeftImg\n");
    writeStyleFile("LeftImg/TempConfig.cfg", "back_color=#fbf8f1\n");
    writeStyleFile("Meadow.cfg", "back_color=#EEFFEE\n");
    writeStyleFile("Pond/TempConfig.cfg", "back_color=#ddeeff\n");
  }
};

TEST_F(StyleChoiceTest, OpensOnTheChosenStyle) {
  CPageData pages;
  EXPECT_FALSE(StyleChoice::hasPages(pages, prompter_));
  EXPECT_EQ(takeTexts(), (Names{"You have not selected which pages you would like to use in "
                                "your site yet."}));
  pages.addPages(4000, 1);
  EXPECT_TRUE(StyleChoice::hasPages(pages, prompter_));

  StyleChoice fresh(env_, CTemplate());
  fresh.open();
  EXPECT_TRUE(fresh.hasSelection());
  EXPECT_EQ(fresh.style().currentName, "LeftImg");
  EXPECT_EQ(fresh.style().back_color, "#FBF8F1");
  EXPECT_EQ(fresh.style().templatePath, "Style Templates\\LeftImg\\");

  CTemplate lost;
  lost.currentName = "Gone";
  StyleChoice choice(env_, lost);
  choice.open();
  EXPECT_FALSE(choice.hasSelection());
  EXPECT_FALSE(choice.accept());
  EXPECT_EQ(takeTexts(), (Names{"The last style chosen could not be found.\nPlease, select the "
                                "style you intended to use.",
                                "Please select a style."}));
  EXPECT_TRUE(choice.choose(1));
  EXPECT_EQ(choice.style().back_color, "#EEFFEE");
  EXPECT_TRUE(choice.accept());
}

TEST_F(StyleChoiceTest, CustomizingAPermanentStyleWorksOnACopy) {
  StyleChoice choice(env_, CTemplate());
  EXPECT_FALSE(choice.beginCustomize());
  EXPECT_EQ(takeTexts(), (Names{"Please select a style to Customize."}));
  choice.open();
  ASSERT_TRUE(choice.beginCustomize());
  ASSERT_EQ(prompter_.prompts().size(), 1u);
  EXPECT_EQ(prompter_.prompts()[0].icon, PromptIcon::kInformation);
  EXPECT_EQ(takeTexts(), (Names{"The style you have selected cannot be directly edited,\nbut it "
                                "has been copied to a new style so that you may edit it."}));
  EXPECT_EQ(choice.style().currentName, "New Style");
  EXPECT_EQ(choice.style().templatePath, "Style Templates\\LeftImg\\");
  EXPECT_TRUE(fs::exists(styleFolder() / "New Style.cfg"));

  CTemplate edited = choice.style();
  edited.back_color = "#123456";
  EXPECT_FALSE(choice.finishCustomize(edited, "Meadow"));
  EXPECT_EQ(takeTexts(), (Names{"The name 'Meadow' is already in use.  Please choose a different "
                                "Style Name to continue."}));
  ASSERT_TRUE(choice.finishCustomize(edited, "  Sunny "));
  EXPECT_EQ(choice.style().currentName, "Sunny");
  EXPECT_EQ(choice.style().styleNames, (Names{"LeftImg", "Meadow", "Pond", "Sunny"}));
  EXPECT_FALSE(fs::exists(styleFolder() / "New Style.cfg"));
  EXPECT_NE(readFile(styleFolder() / "Sunny.cfg").find("back_color=#123456\r\n"),
            std::string::npos);
  EXPECT_TRUE(fs::exists(styleFolder() / "LeftImg/TempConfig.cfg"));

  // A folder style of the user's own is edited in place and is described by
  // its .cfg file from then on.
  ASSERT_TRUE(choice.choose(2));
  ASSERT_TRUE(choice.beginCustomize());
  ASSERT_TRUE(choice.finishCustomize(choice.style(), "Pond"));
  EXPECT_TRUE(fs::exists(styleFolder() / "Pond.cfg"));
  EXPECT_FALSE(fs::exists(styleFolder() / "Pond/TempConfig.cfg"));
  EXPECT_EQ(StyleTemplateFolder::styleNamesIn(home_.path()),
            (Names{"LeftImg", "Meadow", "Pond", "Sunny"}));
  EXPECT_TRUE(takeTexts().empty());
}

TEST_F(StyleChoiceTest, ACopyThatCannotBeSavedStopsTheCustomizing) {
  // A folder stands where the copy's configuration would be written.
  fs::create_directories(styleFolder() / "New Style.cfg");
  StyleChoice choice(env_, CTemplate());
  choice.open();
  EXPECT_FALSE(choice.beginCustomize());
  Names texts = takeTexts();
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_TRUE(texts[0].starts_with("FILE ERROR: ")) << texts[0];
  EXPECT_EQ(choice.style().currentName, "LeftImg");
  EXPECT_EQ(choice.style().styleNames, (Names{"LeftImg", "Meadow", "Pond"}));
}

TEST_F(StyleChoiceTest, AttributesNeedANameAndWarnAboutUnequalButtons) {
  EXPECT_FALSE(StyleChoice::acceptAttributes("", std::nullopt, std::nullopt, prompter_));
  EXPECT_FALSE(StyleChoice::acceptAttributes("Red/Blue", std::nullopt, std::nullopt, prompter_));
  EXPECT_TRUE(StyleChoice::acceptAttributes("Red", PictureSize{120, 28}, PictureSize{120, 28},
                                            prompter_));
  EXPECT_TRUE(StyleChoice::acceptAttributes("Red", PictureSize{120, 28}, std::nullopt,
                                            prompter_));
  EXPECT_TRUE(StyleChoice::acceptAttributes("Red", PictureSize{120, 28}, PictureSize{120, 30},
                                            prompter_));
  EXPECT_EQ(takeTexts(),
            (Names{"Please, enter a name for your style.",
                   "Sorry, Style Name may not include any of these characters:\n\\/:*?\"<>|",
                   "WARNING: The button image and pressed image are different sizes.\nThis may "
                   "cause misalignment of text and stretching of one image by the browser."}));
}

TEST_F(StyleChoiceTest, DeleteRefusesPermanentStylesAndAsksFirst) {
  StyleChoice choice(env_, CTemplate());
  choice.deleteSelected();
  choice.open();
  choice.deleteSelected();
  EXPECT_EQ(takeTexts(), (Names{"Please, select a style to delete.",
                                "I'm sorry, but this style cannot be deleted."}));
  choice.choose(2);
  prompter_.queueAnswers({false, true});
  choice.deleteSelected();
  EXPECT_TRUE(fs::exists(styleFolder() / "Pond"));
  choice.deleteSelected();
  EXPECT_FALSE(fs::exists(styleFolder() / "Pond"));
  EXPECT_EQ(takeTexts(), Names(2, "Are you sure you want to delete this style?"));
  EXPECT_EQ(choice.style().styleNames, (Names{"LeftImg", "Meadow"}));
  EXPECT_EQ(choice.style().currentName, "LeftImg");
}

TEST_F(StyleChoiceTest, ApplyStylesThePagesOnceThenAsksWhenTheStyleChanges) {
  CBrenquilDoc doc(env_);
  doc.m_pPageData->addPages(4000, 1);
  doc.m_pIndProdData->productPages.push_back(makeOwned<CIndProdPage>());
  doc.m_pCategoriesPage->linkCount = 1;
  doc.m_pCategoriesPage->linkTargets = {"Home"};
  doc.m_pCategoriesPage->linkFonts.resize(1);
  doc.m_pCategoriesPage->linkPressedFonts.resize(1);
  doc.m_pCategoriesPage->linkImages = {"a.gif"};
  doc.m_pCategoriesPage->linkPressedImages = {"b.gif"};
  CPage& home = *doc.m_pPageData->pages[0];
  {
    StyleChoice choice(env_, *doc.m_pTemplate);
    choice.open();
    choice.apply(doc);
  }
  EXPECT_TRUE(prompter_.prompts().empty());
  EXPECT_EQ(doc.m_pTemplate->styleApplied, 1);
  EXPECT_EQ(doc.m_pTemplate->currentName, "LeftImg");
  EXPECT_EQ(home.backColor, "#FBF8F1");
  EXPECT_EQ(doc.m_pIndProdData->pageAt(0).backColor, "#FBF8F1");
  EXPECT_EQ(doc.m_pCategoriesPage->linkCount, 0);
  EXPECT_TRUE(doc.m_pCategoriesPage->linkTargets.empty());

  // The same style again: the pages keep their customisation unasked.
  home.backColor = "#000000";
  {
    StyleChoice choice(env_, *doc.m_pTemplate);
    choice.open();
    choice.apply(doc);
  }
  EXPECT_TRUE(prompter_.prompts().empty());
  EXPECT_EQ(home.backColor, "#000000");

  // Another style: the question decides.
  prompter_.queueAnswers({false, true});
  for (int answer = 0; answer < 2; ++answer) {
    StyleChoice choice(env_, *doc.m_pTemplate);
    choice.open();
    choice.choose(answer == 0 ? 1 : 2);
    choice.apply(doc);
  }
  EXPECT_EQ(takeTexts(), Names(2, StyleChoice::kOverwriteQuestion));
  EXPECT_EQ(doc.m_pTemplate->currentName, "Pond");
  EXPECT_EQ(home.backColor, "#DDEEFF");
}

}  // namespace
}  // namespace quorvex
