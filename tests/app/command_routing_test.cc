#include <array>

#include "app/app_fixture.h"
#include "app/command_ids.h"
#include "app/product_table_step.h"
#include "app/save_site_dialog.h"
#include "app/site_type_step.h"
#include "app/step_routing.h"
#include "site/ind_prod_data.h"

namespace quorvex::testing {
namespace {

// The routing conditions as a bit mask: product page, coupon page,
// individual pages.
constexpr int kProductPage = 1;
constexpr int kCouponPage = 2;
constexpr int kIndividualPages = 4;

// The command each button posts, per condition mask 0 to 7.
struct Route {
  int command;
  std::array<int, 8> next;
  std::array<int, 8> previous;
};

constexpr std::array<int, 8> all(int command) {
  return {command, command, command, command, command, command, command, command};
}

// The wizard table, written out for every combination of conditions.
const Route kRoutes[] = {
    {kCmdLocation, all(32773), all(32773)},
    {kCmdContact, all(32783), all(32772)},
    {kCmdBusiness, all(32775), all(32773)},
    {kCmdSiteType, all(32774), all(32783)},
    {kCmdStyle, all(32776), all(32775)},
    {kCmdPageLayout, {32781, 32777, 32800, 32777, 32781, 32777, 32800, 32777}, all(32774)},
    {kCmdProductList, all(32790), all(32776)},
    {kCmdEnhanceProducts, {32779, 32779, 32800, 32800, 32791, 32791, 32791, 32791}, all(32777)},
    {kCmdIndividualPages, {32779, 32779, 32800, 32800, 32779, 32779, 32800, 32800}, all(32790)},
    {kCmdCouponManager,
     {32781, 32779, 32781, 32779, 32781, 32779, 32781, 32779},
     {32776, 32790, 32776, 32790, 32776, 32791, 32776, 32791}},
    {kCmdTax, all(32780), {32790, 32790, 32800, 32800, 32790, 32791, 32800, 32800}},
    {kCmdShipping, all(32794), all(32779)},
    {kCmdOrderPayment, all(32781), all(32780)},
    {kCmdServerPreferences, all(32792), {32776, 32794, 32800, 32794, 32776, 32794, 32800, 32794}},
};

class CommandRoutingTest : public AppFixture {
 protected:
  // Makes the document a site with a home page and the pages and marked
  // products of `conditions`, whose site template lists the same pages.
  void makeSite(int conditions) {
    doc_.makeNewRecords();
    doc_.m_strCompanyName = "Acme";
    doc_.m_pPageData->addPages(kHomePageType, 1);
    std::vector<std::string> templatePages = {"Home Page"};
    if (conditions & kProductPage) {
      doc_.m_pPageData->addPages(kProductPagesGroup, 1);
      templatePages.push_back("Quorvex Pages");
    }
    if (conditions & kCouponPage) {
      doc_.m_pPageData->addPages(kCouponPageType, 1);
      templatePages.push_back("Coupon Page");
    }
    installTemplates(templatePages, "#FFFFFF");
    const bool marked = conditions & kIndividualPages;
    writeProducts({productRow("P1", "Widget", marked ? 1 : 0)});
    if (marked) {
      doc_.m_pIndProdData->productPages.push_back(makeOwned<CIndProdPage>());
      doc_.m_pIndProdData->productPages.back()->label = "P1";
    }
    frontEnd_.posted.clear();
    frontEnd_.pages.clear();
    lifecycle_.setModified(false);
  }
};

TEST_F(CommandRoutingTest, EveryNextAndPreviousFollowsTheTableUnderEveryCondition) {
  for (const Route& route : kRoutes) {
    for (int conditions = 0; conditions < 8; ++conditions) {
      for (DialogResult button : {DialogResult::kNext, DialogResult::kPrevious}) {
        SCOPED_TRACE(::testing::Message()
                     << "command " << route.command << " conditions " << conditions << " next "
                     << (button == DialogResult::kNext));
        makeSite(conditions);
        frontEnd_.queueDialogs({press(button)});
        ASSERT_TRUE(dispatcher_.run(route.command));
        const int expected =
            button == DialogResult::kNext ? route.next[conditions] : route.previous[conditions];
        EXPECT_EQ(frontEnd_.posted, std::vector<int>{expected});
        ASSERT_EQ(frontEnd_.pages.size(), 1u);
        EXPECT_EQ(frontEnd_.pages[0], findWizardStep(route.command)->navigatorPage);
        EXPECT_TRUE(lifecycle_.modified());
      }
    }
  }
  EXPECT_EQ(frontEnd_.unscriptedDialogs, 0);
  EXPECT_EQ(prompter_.unanswered_questions(), 0);
}

TEST_F(CommandRoutingTest, CloseAndCancelPostNothing) {
  makeSite(kProductPage);
  frontEnd_.queueDialogs({press(DialogResult::kOk)});
  dispatcher_.run(kCmdTax);
  EXPECT_TRUE(frontEnd_.posted.empty());
  EXPECT_TRUE(lifecycle_.modified());

  // A site template without product pages: OK would drop them.
  makeSite(kProductPage);
  installTemplates({"Home Page"}, "#FFFFFF");
  frontEnd_.queueDialogs({press(DialogResult::kCancel), press(DialogResult::kOk)});
  dispatcher_.run(kCmdSiteType);
  EXPECT_TRUE(frontEnd_.posted.empty());
  EXPECT_FALSE(lifecycle_.modified());
  EXPECT_TRUE(doc_.m_pPageData->hasProductPage()) << "a cancelled step stores nothing";
  dispatcher_.run(kCmdSiteType);
  EXPECT_FALSE(doc_.m_pPageData->hasProductPage());
}

TEST_F(CommandRoutingTest, MarkingAProductInEnhanceSendsNextToIndividualPages) {
  makeSite(kProductPage);
  frontEnd_.queueDialogs({press(DialogResult::kNext)});
  dispatcher_.run(kCmdEnhanceProducts);
  EXPECT_EQ(frontEnd_.posted, std::vector<int>{kCmdTax});

  makeSite(kProductPage);
  frontEnd_.queueDialogs({edit<ProductTableStep>(
      [](ProductTableStep& step) { step.table.rows[0].linkFlag = 1; }, DialogResult::kNext)});
  dispatcher_.run(kCmdEnhanceProducts);
  EXPECT_EQ(frontEnd_.posted, std::vector<int>{kCmdIndividualPages});
}

TEST_F(CommandRoutingTest, StyleAndPageLayoutNeedPagesAndOpenTheSiteTypeInstead) {
  installTemplates({"Home Page"}, "#FFFFFF");
  for (int command : {kCmdStyle, kCmdPageLayout}) {
    doc_.makeNewRecords();
    prompter_.clear();
    frontEnd_.dialogs.clear();
    frontEnd_.pages.clear();
    dispatcher_.run(command);
    EXPECT_EQ(prompter_.texts(),
              std::vector<std::string>{"You have not selected which pages you would like to use "
                                       "in your site yet."});
    EXPECT_EQ(frontEnd_.dialogs, std::vector<std::string>{"Select Type Of Site"});
    EXPECT_EQ(frontEnd_.pages, std::vector<int>{1});
  }
}

// The build commands' checks, in order, with their messages and the step
// each sends the user to.
class BuildCommandTest : public CommandRoutingTest, public ::testing::WithParamInterface<int> {};

TEST_P(BuildCommandTest, ChecksCompanyNamePagesAndProductDatabaseInOrder) {
  const int command = GetParam();
  dispatcher_.run(command);
  EXPECT_EQ(prompter_.texts(),
            std::vector<std::string>{"Please, specify a company name to continue."});
  EXPECT_EQ(frontEnd_.posted, std::vector<int>{kCmdLocation});
  EXPECT_TRUE(frontEnd_.fileRequests.empty()) << "a new document is not saved";

  lifecycle_.renameCompany("Acme");
  prompter_.clear();
  frontEnd_.posted.clear();
  dispatcher_.run(command);
  EXPECT_EQ(prompter_.texts(),
            std::vector<std::string>{"I'm sorry, but you must choose a site and define its "
                                     "pages before you may continue."});
  EXPECT_EQ(frontEnd_.posted, std::vector<int>{kCmdSiteType});
  EXPECT_TRUE(std::filesystem::exists(home() / "Acme.qvx")) << "saved before the page check";

  doc_.m_pPageData->addPages(kProductPagesGroup, 1);
  prompter_.clear();
  frontEnd_.posted.clear();
  std::filesystem::remove(home() / "Acme.qvx");
  dispatcher_.run(command);
  EXPECT_EQ(prompter_.texts(),
            std::vector<std::string>{"I'm sorry, but you must have a product database before "
                                     "you may continue."});
  EXPECT_EQ(frontEnd_.posted, std::vector<int>{kCmdProductList});
  EXPECT_TRUE(std::filesystem::exists(home() / "Acme.qvx"));
  EXPECT_TRUE(frontEnd_.saveSiteRuns.empty());

  // An in-program table or a source file is a product database.
  doc_.m_pExtraFields->inProgram = 1;
  prompter_.clear();
  frontEnd_.posted.clear();
  // Saving locally asks how in its dialog; publishing builds at once.
  if (command == kCmdSaveSiteLocally) frontEnd_.queueDialogs({press(DialogResult::kOk)});
  dispatcher_.run(command);
  EXPECT_TRUE(prompter_.texts().empty());
  EXPECT_EQ(frontEnd_.saveSiteRuns, std::vector<bool>{command == kCmdSaveSiteLocally});
  EXPECT_EQ(frontEnd_.publishes.size(), command == kCmdPublish ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(SaveAndPublish, BuildCommandTest,
                         ::testing::Values(kCmdSaveSiteLocally, kCmdPublish));

TEST_F(CommandRoutingTest, SaveWebSiteLocallyFollowsTheBuildChoice) {
  makeSite(0);
  lifecycle_.renameCompany("Acme");

  frontEnd_.queueDialogs({press(DialogResult::kPrevious)});
  dispatcher_.run(kCmdSaveSiteLocally);
  EXPECT_EQ(frontEnd_.posted, std::vector<int>{kCmdServerPreferences});
  EXPECT_EQ(frontEnd_.pages, std::vector<int>{4});

  frontEnd_.posted.clear();
  frontEnd_.queueDialogs({press(DialogResult::kCancel)});
  dispatcher_.run(kCmdSaveSiteLocally);
  EXPECT_TRUE(frontEnd_.posted.empty());
  EXPECT_TRUE(frontEnd_.saveSiteRuns.empty());

  frontEnd_.queueDialogs({edit<SaveSiteDialog>([](SaveSiteDialog& dialog) {
    EXPECT_FALSE(dialog.publish);
    EXPECT_TRUE(dialog.viewSite && dialog.viewSiteEnabled());
    dialog.viewSite = false;
  })});
  dispatcher_.run(kCmdSaveSiteLocally);
  EXPECT_EQ(frontEnd_.saveSiteRuns, std::vector<bool>{false});
  EXPECT_FALSE(lifecycle_.modified()) << "saved after the run";

  // Proceeding to publish builds once, inside the publish command, without
  // viewing the site.
  frontEnd_.saveSiteRuns.clear();
  frontEnd_.queueDialogs({edit<SaveSiteDialog>([](SaveSiteDialog& dialog) {
    dialog.publish = true;
    EXPECT_FALSE(dialog.viewSiteEnabled());
  })});
  dispatcher_.run(kCmdSaveSiteLocally);
  EXPECT_EQ(frontEnd_.posted, std::vector<int>{kCmdPublish});
  EXPECT_TRUE(frontEnd_.saveSiteRuns.empty());
  dispatcher_.run(kCmdPublish);
  EXPECT_EQ(frontEnd_.saveSiteRuns, std::vector<bool>{false});
  ASSERT_EQ(frontEnd_.publishes.size(), 1u);
  const PublishRequest& request = frontEnd_.publishes[0];
  EXPECT_FALSE(request.addOn);
  EXPECT_EQ(request.workingFolder, home());
  EXPECT_EQ(request.sitePrefix, "Acme\\");
  EXPECT_EQ(request.webFiles, doc_.m_pWebFileList.get());
  EXPECT_EQ(request.serverPreferences, doc_.m_pFtp.get());
}

TEST_F(CommandRoutingTest, PublishNeedsASuccessfulBuildAndTheAddOnSiteFolder) {
  makeSite(0);
  lifecycle_.renameCompany("Acme");
  frontEnd_.saveSiteSucceeds = false;
  dispatcher_.run(kCmdPublish);
  EXPECT_TRUE(frontEnd_.publishes.empty());

  frontEnd_.saveSiteSucceeds = true;
  CSiteTemplate& site = *doc_.m_pSiteTemplate;
  site.templateNames = {"Basic commerce web site", "Just add commerce to my site"};
  site.currentIndex = 1;
  site.existingSiteFolder = (home() / "missing").string() + "/";
  dispatcher_.run(kCmdPublish);
  EXPECT_TRUE(frontEnd_.publishes.empty());
  EXPECT_EQ(prompter_.texts().back(),
            "Quorvex could not find the folder " + site.existingSiteFolder +
                ".\nPlease, return to the \"Select Type of Site\" section and click on "
                "\"Current Site Location\".");

  std::filesystem::create_directories(home() / "missing");
  dispatcher_.run(kCmdPublish);
  ASSERT_EQ(frontEnd_.publishes.size(), 1u);
  EXPECT_TRUE(frontEnd_.publishes[0].addOn);
  EXPECT_EQ(frontEnd_.publishes[0].workingFolder, home() / "missing" / "");
}

}  // namespace
}  // namespace quorvex::testing
