#include "app/app_fixture.h"
#include "app/command_ids.h"
#include "app/customize_site_dialog.h"
#include "app/extra_fields_dialog.h"
#include "app/page_layout_step.h"
#include "app/site_type_step.h"
#include "app/style_step.h"
#include "site/full_page.h"
#include "site/ind_prod_data.h"
#include "site/order_form_page.h"

namespace quorvex::testing {
namespace {

using Texts = std::vector<std::string>;

const char* const kResetLinksQuestion =
    "The new site template you've chosen may contain pages that are not linked to your site.  "
    "You can set the links manually in the \"Page Options\" dialog, or Quorvex can reset them "
    "for you now.  Do you wish to reset the displayed links for your pages back to the "
    "defaults?";

class SiteStepsTest : public AppFixture {};

TEST_F(SiteStepsTest, SiteTypeFollowUpOffersToResetLinksAndStylesTheNewPages) {
  installTemplates({"Home Page", "Info Page"}, "#102030");
  writeHomeFile("Site Templates/Informative web site", "Info\r\nHome Page\r\nHome Page\r\n");
  doc_.m_strCompanyName = "Acme";
  doc_.m_pTemplate->back_color = "#102030";
  doc_.m_pPageData->addPages(kHomePageType, 1);
  doc_.m_pPageData->at(0).unstyled = 0;
  doc_.m_pPageData->at(0).displayedLinks = "Home|";
  doc_.m_pIndProdData->productPages.push_back(makeOwned<CIndProdPage>());
  doc_.m_pIndProdData->pageAt(0).displayedLinks = "Home|";

  // Keeping the template asks nothing and resets no link; the new Info page
  // gets the style.
  frontEnd_.queueDialogs({press(DialogResult::kOk)});
  dispatcher_.run(kCmdSiteType);
  EXPECT_TRUE(prompter_.texts().empty());
  ASSERT_EQ(doc_.m_pPageData->count(), 2u);
  EXPECT_EQ(doc_.m_pPageData->at(1).backColor, "#102030");
  EXPECT_EQ(doc_.m_pPageData->at(1).unstyled, 0);
  EXPECT_EQ(doc_.m_pPageData->at(0).displayedLinks, "Home|");

  prompter_.queueAnswers({true});
  frontEnd_.queueDialogs({edit<SiteTypeStep>([](SiteTypeStep& step) {
    EXPECT_EQ(step.choice().site().templateNames[1], "Informative web site");
    int changes = 0;
    const ChangeNotifier::SubscriptionId id = step.subscribe([&] { ++changes; });
    step.choice().choose(1);
    step.unsubscribe(id);
    EXPECT_EQ(changes, 1) << "the step passes on its choice's changes";
  })});
  dispatcher_.run(kCmdSiteType);
  EXPECT_EQ(prompter_.texts(), Texts{kResetLinksQuestion});
  EXPECT_EQ(doc_.m_pPageData->at(0).displayedLinks, "ALL");
  EXPECT_EQ(doc_.m_pIndProdData->pageAt(0).displayedLinks, "ALL");
  ASSERT_EQ(doc_.m_pPageData->count(), 2u) << "Info removed, a second Home added";
  EXPECT_EQ(dynamic_cast<CFullPage&>(doc_.m_pPageData->at(1)).header, "Acme");
  EXPECT_NE(dynamic_cast<CFullPage&>(doc_.m_pPageData->at(0)).header, "Acme")
      << "a page styled before keeps its header";
}

TEST_F(SiteStepsTest, StyleIsAppliedAtOnceTheFirstTimeAndAfterwardsOnlyWhenAgreed) {
  installTemplates({"Home Page"}, "#102030");
  writeHomeFile("Style Templates/Blue.cfg", "back_color=#0000FF\r\n");
  doc_.m_pTemplate->currentName = "LeftImg";
  doc_.m_pPageData->addPages(kHomePageType, 1);
  CPage& categories = *doc_.m_pCategoriesPage;
  categories.linkCount = 1;
  categories.linkTargets = {"Home"};
  categories.linkFonts.resize(1);
  categories.linkPressedFonts.resize(1);
  categories.linkImages.resize(1);
  categories.linkPressedImages.resize(1);
  CPage& home = doc_.m_pPageData->at(0);
  auto choosingBlue = edit<StyleStep>([](StyleStep& step) { step.choice().choose(0); });

  frontEnd_.queueDialogs({press(DialogResult::kOk)});
  dispatcher_.run(kCmdStyle);
  EXPECT_TRUE(prompter_.texts().empty());
  EXPECT_EQ(home.backColor, "#102030");
  EXPECT_EQ(doc_.m_pTemplate->styleApplied, 1);
  EXPECT_EQ(categories.linkCount, 0);

  // The same style again asks nothing; another one only on Yes.
  home.backColor = "#FFFFFF";
  prompter_.queueAnswers({false, true});
  frontEnd_.queueDialogs({press(DialogResult::kOk), choosingBlue, choosingBlue});
  dispatcher_.run(kCmdStyle);
  EXPECT_TRUE(prompter_.texts().empty());
  dispatcher_.run(kCmdStyle);
  EXPECT_EQ(home.backColor, "#FFFFFF");
  doc_.m_pTemplate->currentName = "LeftImg";
  dispatcher_.run(kCmdStyle);
  EXPECT_EQ(home.backColor, "#0000FF");
  EXPECT_EQ(prompter_.texts(),
            Texts(2,
                  "Do you wish to overwrite all of your current page customization to match "
                  "the template you've chosen?"));
}

TEST_F(SiteStepsTest, CustomizeSiteAnnouncesEveryAddAndRemove) {
  CustomizeSiteDialog dialog(SiteCustomization("Mine", {"Home Page"}), prompter_);
  int changes = 0;
  dialog.subscribe([&changes] { ++changes; });
  dialog.addPage(-1);
  dialog.addPage(0);
  dialog.removePage(0);
  EXPECT_EQ(prompter_.texts(),
            Texts{"Please, select the page you would like to add from the list on the left "
                  "hand side."});
  EXPECT_EQ(dialog.customization.includedPages(), Texts{"Home Page"});
  EXPECT_EQ(changes, 3);
}

TEST_F(SiteStepsTest, PageLayoutChecksLabelsAndKeepsOnePictureChoice) {
  doc_.m_pPageData->addPages(kHomePageType, 1);
  doc_.m_pPageData->addPages(kInfoPageType, 2);
  PageLayoutStep step(app_);
  ASSERT_EQ(step.selectedPage, 0u);
  int changes = 0;
  step.subscribe([&changes] { ++changes; });
  EXPECT_FALSE(step.setLabel("SHOP"));
  EXPECT_FALSE(step.setLabel("Home#1"));
  EXPECT_EQ(step.pages.at(0).getLabel(), "Home");
  EXPECT_TRUE(step.setLabel("Info")) << "another page's label is refused only on leaving";
  EXPECT_FALSE(step.selectPage(1));
  EXPECT_FALSE(step.accept());
  EXPECT_TRUE(step.setLabel("Welcome"));
  EXPECT_TRUE(step.selectPage(1));
  EXPECT_TRUE(step.accept());
  EXPECT_EQ(changes, 3);
  const std::string taken =
      "Sorry, the Page Label \"Info\" is being used by another page.\nPlease, choose another "
      "label before continuing.";
  ASSERT_EQ(prompter_.texts().size(), 4u);
  EXPECT_NE(prompter_.texts()[0].find("reserved labels"), std::string::npos);
  EXPECT_NE(prompter_.texts()[1].find("may not include"), std::string::npos);
  EXPECT_EQ(prompter_.texts()[2], taken);
  EXPECT_EQ(prompter_.texts()[3], taken);

  auto& page = dynamic_cast<CFullPage&>(step.pages.at(0));
  PageLayoutStep::setPagePicture(page, PageLayoutStep::PagePicture::kNone);
  EXPECT_EQ(page.useDefaultImage, 0);
  EXPECT_EQ(PageLayoutStep::pagePicture(page), PageLayoutStep::PagePicture::kNone);
  PageLayoutStep::setPagePicture(page, PageLayoutStep::PagePicture::kStyleDefault);
  EXPECT_EQ(page.noImage, 0);
}

TEST_F(SiteStepsTest, PageLayoutEditsTheOrderFormsExtraFieldsOnItsCopy) {
  doc_.m_pPageData->addPages(kProductPagesGroup, 1);
  PageLayoutStep step(app_);
  auto& orderForm = dynamic_cast<COrderFormPage&>(step.pages.at(2));
  frontEnd_.queueDialogs({edit<ExtraFieldsDialog>([](ExtraFieldsDialog& dialog) {
    dialog.fields.resize(1);
    dialog.fields[0].identifier = "giftnote";
  })});
  step.editExtraFields(orderForm);
  EXPECT_EQ(orderForm.extraFields.size(), 1u);
  EXPECT_TRUE(dynamic_cast<COrderFormPage&>(doc_.m_pPageData->at(2)).extraFields.empty())
      << "the document changes only on OK";
  step.apply();
  EXPECT_EQ(dynamic_cast<COrderFormPage&>(doc_.m_pPageData->at(2)).extraFields.size(), 1u);
}

}  // namespace
}  // namespace quorvex::testing
