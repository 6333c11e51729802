// quorvex-cli sites, styles, set-site and set-style on a home seeded from the
// installed data folder.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace quorvex {
namespace {

using nlohmann::json;
using testing::CliResult;
using testing::runCli;

class SiteCliTest : public ::testing::Test {
 protected:
  CliResult cli(std::vector<std::string> args) {
    args.insert(args.begin(), {"--home", home_.path().string()});
    return runCli(args);
  }

  json dump() {
    CliResult result = cli({"dump", document_});
    EXPECT_EQ(result.exit_status, 0) << result.err;
    return json::parse(result.out);
  }

  static bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
  }

  testing::TempDir home_;
  std::string document_ = (home_.path() / "Acme.qvx").string();
};

TEST_F(SiteCliTest, ListsTheInstalledTemplates) {
  CliResult sites = cli({"sites"});
  ASSERT_EQ(sites.exit_status, 0) << sites.err;
  EXPECT_TRUE(contains(sites.out, "Basic commerce web site  (permanent)\n")) << sites.out;
  EXPECT_TRUE(contains(sites.out, "Pages: Home Page, Contact Page, Info Page, Quorvex Pages\n"));
  EXPECT_TRUE(contains(sites.out, "Just add commerce to my site  (permanent)\n"));
  EXPECT_TRUE(contains(sites.out, "Specific Categories  (permanent)\n"));
  EXPECT_TRUE(sites.err.empty()) << sites.err;

  CliResult styles = cli({"styles"});
  ASSERT_EQ(styles.exit_status, 0) << styles.err;
  EXPECT_TRUE(contains(styles.out, "Harbour  (permanent)\n    Folder: Style Templates\\Harbour\\\n"
                                   "    Preview: "))
      << styles.out;
  EXPECT_TRUE(contains(styles.out, "Previews/Harbour.bmp (320 x 240)"));
  EXPECT_TRUE(contains(styles.out, "LeftImg  (permanent)\n    Folder: Style Templates\\LeftImg\\\n"
                                   "    Preview: "));
  EXPECT_TRUE(contains(styles.out, "LeftImg/Sample.bmp (320 x 240)"));
  EXPECT_TRUE(styles.err.empty()) << styles.err;
}

TEST_F(SiteCliTest, SetSiteThenSetStyleGivesStyledPages) {
  ASSERT_EQ(cli({"new", document_, "--company", "Acme Outdoor"}).exit_status, 0);
  CliResult early = cli({"set-style", document_, "Harbour"});
  EXPECT_EQ(early.exit_status, 1);
  EXPECT_TRUE(contains(early.err, "You have not selected which pages you would like to use"));
  EXPECT_EQ(cli({"set-site", document_, "No such site"}).exit_status, 2);

  CliResult site = cli({"--no", "set-site", document_, "Complete commercial web site"});
  ASSERT_EQ(site.exit_status, 0) << site.err;
  EXPECT_TRUE(contains(site.err, "Do you wish to reset the displayed links for your pages back "
                                 "to the defaults? [no]"));
  CliResult style = cli({"set-style", document_, "Harbour"});
  ASSERT_EQ(style.exit_status, 0) << style.err;
  EXPECT_TRUE(style.err.empty()) << style.err;

  json doc = dump();
  EXPECT_EQ(doc["m_pSiteTemplate"]["currentName"], "Complete commercial web site");
  EXPECT_EQ(doc["m_pTemplate"]["currentName"], "Harbour");
  EXPECT_EQ(doc["m_pTemplate"]["back_color"], "#F3EEE3");
  EXPECT_EQ(doc["m_pTemplate"]["linkImage"], "Style Templates\\Harbour\\Images\\button.gif");
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"Home", "HomePage.html"},       {"Contact", "ContactPage.html"},
      {"Info", "InfoPage.html"},       {"Info 2", "InfoPage.html"},
      {"Articles", "ArticlesPage.html"}, {"Coupon", "CouponPage.html"},
      {"Product", "ProductPage.html"}, {"Thank You", "ThankYouPage.html"},
      {"Order Form", "OrderPage.html"}, {"Download", "DownloadPage.html"}};
  const json& pages = doc["m_pPageData"]["pages"];
  ASSERT_EQ(pages.size(), expected.size()) << pages.dump(1);
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(expected[i].first);
    EXPECT_EQ(pages[i]["label"], expected[i].first);
    EXPECT_EQ(pages[i]["templateFile"], expected[i].second);
    EXPECT_EQ(pages[i]["unstyled"], 0);
    EXPECT_EQ(pages[i]["backColor"], "#F3EEE3");
    EXPECT_EQ(pages[i]["textColor"], "#1D2B3A");
    EXPECT_EQ(pages[i]["offset"], "5%");
    EXPECT_EQ(pages[i]["backImage"], "Style Templates\\Harbour\\Images\\waves.gif");
    EXPECT_EQ(pages[i]["headerFont"]["htmlSize"], 7);
    EXPECT_EQ(pages[i]["headerFont"]["bold"], 0);
  }
  EXPECT_EQ(pages[0]["header"], "Acme Outdoor");
  EXPECT_EQ(pages[2]["header"], "Our Business");
  EXPECT_EQ(pages[6]["searchPage"]["backColor"], "#F3EEE3");

  // Another style asks before it overwrites the pages.
  ASSERT_EQ(cli({"--no", "set-style", document_, "LeftImg"}).exit_status, 0);
  doc = dump();
  EXPECT_EQ(doc["m_pTemplate"]["currentName"], "LeftImg");
  EXPECT_EQ(doc["m_pPageData"]["pages"][0]["backColor"], "#F3EEE3");
  ASSERT_EQ(cli({"--yes", "set-style", document_, "Harbour"}).exit_status, 0);
  ASSERT_EQ(cli({"--yes", "set-style", document_, "LeftImg"}).exit_status, 0);
  doc = dump();
  EXPECT_EQ(doc["m_pPageData"]["pages"][0]["backColor"], "#FBF8F1");
  EXPECT_EQ(doc["m_pPageData"]["pages"][0]["offset"], "190");
}

TEST_F(SiteCliTest, TheAddOnSiteNeedsTheExistingIndexPage) {
  ASSERT_EQ(cli({"new", document_}).exit_status, 0);
  CliResult missing = cli({"set-site", document_, "Just add commerce to my site"});
  EXPECT_EQ(missing.exit_status, 1);
  EXPECT_TRUE(contains(missing.err, "--location")) << missing.err;

  home_.write("old/index.html", "<html></html>\n");
  const std::string index = (home_.path() / "old" / "index.html").string();
  CliResult added = cli({"--yes", "set-site", document_, "Just add commerce to my site",
                         "--location", index, "--keep-as", "start.html"});
  ASSERT_EQ(added.exit_status, 0) << added.err;
  json doc = dump();
  EXPECT_EQ(doc["m_pSiteTemplate"]["existingIndexName"], "index.html");
  EXPECT_EQ(doc["m_pSiteTemplate"]["oldIndexName"], "start.html");
  EXPECT_EQ(doc["m_pSiteTemplate"]["locationConfirmed"], 1);
  EXPECT_EQ(doc["m_pPageData"]["pages"].size(), 4u);
}

}  // namespace
}  // namespace quorvex
