#include <filesystem>
#include <gtest/gtest.h>

#include "app/site_template_choice.h"
#include "company/brenquil_doc.h"
#include "site/full_page.h"
#include "support/temp_dir.h"
#include "support/template_home.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using Acceptance = SiteTemplateChoice::Acceptance;
using Names = std::vector<std::string>;

class SiteTemplateChoiceTest : public testing::TemplateHomeTest {
 protected:
  SiteTemplateChoiceTest() {
    writeSiteFile("Basic commerce web site", "A shop\nHome Page\nContact Page\nQuorvex Pages\n");
    writeSiteFile("Garden", "Plants\nHome Page\nInfo Page\n");
    writeSiteFile("Just add commerce to my site", "Add-on\nQuorvex Pages\n");
  }

  std::vector<std::string> labels(const CBrenquilDoc& doc) const {
    std::vector<std::string> result;
    for (const Owned<CPage>& page : doc.m_pPageData->pages) result.push_back(page->label);
    return result;
  }
};

TEST_F(SiteTemplateChoiceTest, OpensOnTheChosenTemplateOrFallsBackToTheFirst) {
  CSiteTemplate record;
  record.currentName = "Garden";
  SiteTemplateChoice choice(env_, record);
  choice.open();
  EXPECT_TRUE(choice.hasSelection());
  EXPECT_EQ(choice.site().currentIndex, 1);
  EXPECT_EQ(choice.description(), "Plants");
  EXPECT_EQ(choice.site().pageNames(), (Names{"Home Page", "Info Page"}));
  EXPECT_TRUE(takeTexts().empty());

  record.currentName = "Gone";
  record.currentIndex = 7;
  SiteTemplateChoice lost(env_, record);
  lost.open();
  EXPECT_EQ(takeTexts(),
            (Names{"The site template chosen for your site could not be found.\nPlease, select "
                   "another site template.",
                   "The last site chosen could not be found.\nPlease, select the site you "
                   "intended to use."}));
  EXPECT_EQ(lost.site().currentName, "Basic commerce web site");

  lost.choose(-1);
  EXPECT_EQ(takeTexts(), (Names{"Could not find current site.  Please reselect the site you "
                                "meant to choose."}));
  EXPECT_EQ(lost.site().currentIndex, 0);
}

TEST_F(SiteTemplateChoiceTest, CustomizingAPermanentTemplateWorksOnACopy) {
  SiteTemplateChoice choice(env_, CSiteTemplate());
  choice.open();
  std::optional<SiteCustomization> customization = choice.beginCustomize();
  ASSERT_TRUE(customization);
  ASSERT_EQ(prompter_.prompts().size(), 1u);
  EXPECT_EQ(prompter_.prompts()[0].text,
            "The site you have selected cannot be directly edited,\nBut it has been copied to a "
            "new site so that you may edit it.");
  EXPECT_EQ(prompter_.prompts()[0].icon, PromptIcon::kInformation);
  prompter_.clear();
  EXPECT_EQ(customization->name, "New Site");
  EXPECT_EQ(customization->includedPages(), (Names{"Home Page", "Contact Page", "Quorvex Pages"}));
  EXPECT_TRUE(fs::exists(siteFolder() / "New Site"));

  customization->name = "Garden";
  customization->add(5, prompter_);  // Magazine Page
  EXPECT_FALSE(choice.finishCustomize(*customization));
  EXPECT_EQ(takeTexts(), (Names{"The name 'Garden' is already in use.  Please choose a different "
                                "Site Name to continue."}));

  // A template file that cannot be written keeps the dialog open.
  fs::create_directories(siteFolder() / "Shed" / "tools");
  customization->name = "Shed";
  EXPECT_FALSE(choice.finishCustomize(*customization));
  EXPECT_EQ(takeTexts(), (Names{"Could not open file Shed for writing."}));

  customization->name = "Allotment";
  ASSERT_TRUE(choice.finishCustomize(*customization));
  EXPECT_FALSE(fs::exists(siteFolder() / "New Site"));
  EXPECT_EQ(choice.site().templateNames,
            (Names{"Allotment", "Basic commerce web site", "Garden",
                   "Just add commerce to my site"}));
  EXPECT_EQ(choice.site().currentName, "Allotment");
  EXPECT_EQ(choice.description(), "User Defined Site");
  EXPECT_EQ(choice.site().pageNames(),
            (Names{"Home Page", "Contact Page", "Quorvex Pages", "Magazine Page"}));

  // A user's own template is edited in place.
  std::optional<SiteCustomization> again = choice.beginCustomize();
  ASSERT_TRUE(again);
  EXPECT_TRUE(takeTexts().empty());
  EXPECT_EQ(again->name, "Allotment");
}

TEST_F(SiteTemplateChoiceTest, TheAddOnTemplateNeedsItsLocationAndCannotBeCustomized) {
  SiteTemplateChoice choice(env_, CSiteTemplate());
  choice.open();
  choice.choose(2);
  EXPECT_TRUE(choice.canSetLocation());
  EXPECT_FALSE(choice.beginCustomize());
  EXPECT_EQ(takeTexts(), (Names{"Sorry, but you may not customize this site.\nPlease, choose "
                                "another site if you would like to include more than just the "
                                "commerce functionality."}));
  EXPECT_EQ(choice.accept(), Acceptance::kNeedsLocation);
  choice.site().locationConfirmed = 1;
  choice.site().indexInstalled = 1;
  EXPECT_EQ(choice.accept(), Acceptance::kAccepted);

  // Choosing another template forgets the add-on site's set-up.
  choice.choose(1);
  EXPECT_FALSE(choice.canSetLocation());
  EXPECT_EQ(choice.site().locationConfirmed, 0);
  EXPECT_EQ(choice.site().indexInstalled, 0);
}

TEST_F(SiteTemplateChoiceTest, DeleteRefusesPermanentTemplatesAndAsksFirst) {
  SiteTemplateChoice empty(env_, CSiteTemplate());
  empty.deleteSelected();
  EXPECT_EQ(empty.accept(), Acceptance::kRefused);
  EXPECT_EQ(takeTexts(), (Names{"Please, select a site to delete.", "Please select a site."}));

  SiteTemplateChoice choice(env_, CSiteTemplate());
  choice.open();
  choice.deleteSelected();
  EXPECT_EQ(takeTexts(), (Names{"I'm sorry, but this site cannot be deleted."}));

  choice.choose(1);
  prompter_.queueAnswers({false, true});
  choice.deleteSelected();
  EXPECT_TRUE(fs::exists(siteFolder() / "Garden"));
  choice.deleteSelected();
  EXPECT_FALSE(fs::exists(siteFolder() / "Garden"));
  EXPECT_EQ(takeTexts(), Names(2, "Are you sure you want to delete this site?"));
  EXPECT_EQ(choice.site().currentName, "Basic commerce web site");
  EXPECT_EQ(choice.site().pageNames(), (Names{"Home Page", "Contact Page", "Quorvex Pages"}));
}

TEST_F(SiteTemplateChoiceTest, ApplyingBringsThePagesInLineAndStylesTheNewOnes) {
  CBrenquilDoc doc(env_);
  doc.m_strCompanyName = "Acme";
  doc.m_pTemplate->text_color = "#102030";
  doc.m_pTemplate->back_color = "#FFEEDD";
  {
    SiteTemplateChoice choice(env_, *doc.m_pSiteTemplate);
    choice.open();
    ASSERT_EQ(choice.accept(), Acceptance::kAccepted);
    choice.apply(doc);  // the template the document had: no question
  }
  EXPECT_TRUE(prompter_.prompts().empty());
  EXPECT_EQ(labels(doc), (Names{"Home", "Contact", "Product", "Thank You", "Order Form",
                                "Download"}));
  for (const Owned<CPage>& page : doc.m_pPageData->pages) {
    EXPECT_EQ(page->unstyled, 0) << page->label;
    EXPECT_EQ(page->backColor, "#FFEEDD") << page->label;
  }
  auto& home = dynamic_cast<CFullPage&>(*doc.m_pPageData->pages[0]);
  EXPECT_EQ(home.header, "Acme");
  EXPECT_EQ(home.headerFont.htmlSize, 7);
  EXPECT_EQ(home.headerFont.color, 0x302010);

  // Another template: the question, and the pages that stay keep their
  // settings.
  home.header = "Welcome";
  home.displayedLinks = "Home|";
  doc.m_pTemplate->back_color = "#000000";
  SiteTemplateChoice choice(env_, *doc.m_pSiteTemplate);
  choice.open();
  choice.choose(1);
  prompter_.queueAnswers({true});
  choice.apply(doc);
  EXPECT_EQ(takeTexts(), (Names{SiteTemplateChoice::kResetLinksQuestion}));
  EXPECT_EQ(doc.m_pSiteTemplate->currentName, "Garden");
  EXPECT_EQ(labels(doc), (Names{"Home", "Info"}));
  auto& kept = dynamic_cast<CFullPage&>(*doc.m_pPageData->pages[0]);
  EXPECT_EQ(kept.header, "Welcome");
  EXPECT_EQ(kept.backColor, "#FFEEDD");
  EXPECT_EQ(kept.displayedLinks, "ALL");
  EXPECT_EQ(doc.m_pPageData->pages[1]->backColor, "#000000");
}

}  // namespace
}  // namespace quorvex
