#include "app/help_commands.h"

#include "app/app_fixture.h"
#include "app/app_version.h"
#include "app/browser_check.h"
#include "app/command_ids.h"
#include "app/dialog_model.h"
#include "app/extra_field_dialog.h"
#include "app/keywords_dialog.h"
#include "app/product_feature_dialog.h"
#include "app/terms_dialog.h"

namespace quorvex::testing {
namespace {

using Texts = std::vector<std::string>;

TEST(AppVersionTest, VersionTextAndAboutLine) {
  EXPECT_EQ(versionText({4, 2, 9, 0}), "4.2.9");
  EXPECT_EQ(aboutVersionLine(versionText({4, 2, 9, 0})), "Quorvex Version 4.2.9");
  EXPECT_EQ(versionText({4, 12, 1, 0}), "4.12.") << "cut to five characters";
  EXPECT_EQ(parseVersionRecord("0.1.7"), (VersionRecord{0, 1, 7, 0}));
}

TEST(BrowserCheckTest, NamesTheReleaseFromItsVersion) {
  struct Case {
    std::optional<BrowserVersion> version;
    const char* name;
    bool ready;
  };
  const Case cases[] = {
      {std::nullopt, "Unknown", false},
      {BrowserVersion{0, 0, 0}, "Unknown", false},
      {BrowserVersion{3, 2, 1}, "Unknown", false},
      {BrowserVersion{4, 40, 519}, "1.0 (Plus!)", false},
      {BrowserVersion{4, 40, 520}, "2.0", false},
      {BrowserVersion{4, 70, 1157}, "3.0", false},
      {BrowserVersion{4, 70, 1214}, "3.0 (OSR2)", false},
      {BrowserVersion{4, 70, 1299}, "3.01", false},
      {BrowserVersion{4, 70, 1300}, "3.02", false},
      {BrowserVersion{4, 71, 1007}, "4.0 Platform Preview 1.0 (PP1)", true},
      {BrowserVersion{4, 71, 1711}, "4.0 Platform Preview 2.0 (PP2)", true},
      {BrowserVersion{4, 71, 1712}, "4.0", true},
      {BrowserVersion{4, 72, 3109}, "4.01", true},
      {BrowserVersion{4, 72, 3611}, "4.01 Service Pack 1 (SP1)", true},
      {BrowserVersion{4, 72, 3612}, "4.01 Service Pack 2 (SP2)", true},
      {BrowserVersion{4, 50, 1}, "Unknown", false},
      {BrowserVersion{4, 73, 1}, "Unknown", true},
      {BrowserVersion{5, 0, 909}, "5 Developer Preview (Beta 1)", true},
      {BrowserVersion{5, 0, 2013}, "5 Beta (Beta 2)", true},
      {BrowserVersion{5, 0, 2014}, "5", true},
      {BrowserVersion{5, 5, 1}, "Unknown", true},
      {BrowserVersion{6, 0, 1}, "Unknown", true},
  };
  for (const Case& c : cases) {
    BrowserInfo info = browserCheck(c.version);
    EXPECT_EQ(info.name, c.name);
    EXPECT_EQ(info.ready, c.ready) << c.name;
  }
}

TEST(HelpTopicTest, TopicIsTheTitleWithoutSpacesUnlessTheHelpFileNamesItOtherwise) {
  EXPECT_EQ(helpTopicOf("Location Information"), "LocationInformation.html");
  EXPECT_EQ(helpTopicOf("Choose A Style For Site"), "ChooseAStyleForSite.html");
  ScriptedPrompter prompter;
  EXPECT_EQ(TermsDialog("").helpTopic(), "TermsAndConditions.html");
  EXPECT_EQ(ExtraFieldDialog(prompter, {}).helpTopic(), "AddEditExtraFields.html");
  EXPECT_EQ(ProductFeatureDialog(prompter, {}).helpTopic(), "ProductFeatures.html");
  EXPECT_EQ(KeywordsDialog(prompter, "", "").helpTopic(), "KeywordsForSearchEngines.html");
}

class HelpCommandsTest : public AppFixture {};

TEST_F(HelpCommandsTest, MissingHelpFileIsReported) {
  dispatcher_.run(kCmdProgramHelp);
  EXPECT_EQ(prompter_.texts(),
            Texts{"Cannot find Quorvex Help at " + (home() / "Help" / "Quorvex.html").string() +
                  ".\nPlease visit https://www.quorvex.example/download/ to download the "
                  "current version."});
  EXPECT_TRUE(frontEnd_.helpTopics.empty());
}

TEST_F(HelpCommandsTest, BrowserMessageAppearsOnceAndHelpIsShownAllTheSame) {
  const std::string mainPage = writeHomeFile("Help/Quorvex.html", "help").string();
  const std::string taxPage = writeHomeFile("Help/TaxSettings.html", "taxes").string();
  HelpCommands unknown(env_, frontEnd_, browserCheck(std::nullopt));
  unknown.showHelp("Quorvex.html");
  unknown.showHelp("TaxSettings.html");
  unknown.showHelp("ShippingType.html");
  HelpCommands old(env_, frontEnd_, browserCheck(BrowserVersion{4, 70, 1300}));
  old.showHelp("Quorvex.html");
  const std::string required =
      "\nQuorvex Help requires that Internet Explorer 4.0 or higher be installed on your "
      "system.\nPlease visit https://www.quorvex.example/browser/ to download the current "
      "version.";
  EXPECT_EQ(prompter_.texts(),
            (Texts{"It appears that Internet Explorer is either not installed or not installed "
                   "properly." +
                       required,
                   "It appears that Internet Explorer 3.02 is currently installed." + required}));
  EXPECT_EQ(frontEnd_.helpTopics,
            (Texts{mainPage, taxPage, mainPage, mainPage}));
}

TEST_F(HelpCommandsTest, OnlineUpdateAboutAndNavigatorCommands) {
  dispatcher_.run(kCmdOnline);
  writeHomeFile("Docs/index.html", "<html>");
  dispatcher_.run(kCmdNavigatorOnline);
  dispatcher_.run(kCmdUpdate);
  EXPECT_EQ(frontEnd_.opened,
            (Texts{"https://www.quorvex.example/", (home() / "Docs" / "index.html").string(),
                   "https://www.quorvex.example/download/"}));
  dispatcher_.run(kCmdAbout);
  EXPECT_EQ(frontEnd_.aboutLines, Texts{aboutVersionLine(versionText(programVersion()))});
  dispatcher_.run(kCmdNavigatorPage0 + 3);
  dispatcher_.run(kCmdDownloadSalesLogs);
  EXPECT_EQ(frontEnd_.pages, std::vector<int>{3});
  EXPECT_EQ(frontEnd_.salesLogDownloads, 1);
  EXPECT_FALSE(dispatcher_.run(57635)) << "Cut belongs to the focused text field";
}

}  // namespace
}  // namespace quorvex::testing
