// The site type and style steps' dialogs, driven through their widgets
// from the menus.
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <gtest/gtest.h>

#include "app/command_ids.h"
#include "app/document_lifecycle.h"
#include "site/page_data.h"
#include "site/site_template.h"
#include "ui/sample_app_fixture.h"
#include "ui/widget_actions.h"

namespace quorvex::testing {
namespace {

class SiteStepViewsTest : public SampleAppFixture {};

TEST_F(SiteStepViewsTest, SiteTypeChoosesAndCustomizesTemplates) {
  const std::string before = doc().m_pSiteTemplate->currentName;
  const size_t pages = doc().m_pPageData->pages.size();
  driver_.on("Select Type Of Site", inOrder({[](QWidget& w) {
                                               selectIn(w, "&Type of Site:",
                                                        "Informative web site");
                                             },
                                             cancel}));
  run(kCmdSiteType);
  EXPECT_EQ(doc().m_pSiteTemplate->currentName, before);
  EXPECT_EQ(doc().m_pPageData->pages.size(), pages);
  EXPECT_FALSE(app_->lifecycle().modified());

  // A permanent template is copied before it is customised; the copy gets
  // the name and pages typed, and OK takes it with its pages.
  std::vector<std::string> shownPages;
  driver_.on("Select Type Of Site",
             inOrder({[](QWidget& w) {
                        selectIn(w, "&Type of Site:", "Site without commerce");
                        click(w, "C&ustomize...");
                      },
                      [&shownPages](QWidget& w) {
                        shownPages = entriesOf(w, "Pages Included");
                        click(w, "&Close");
                      }}));
  driver_.on("Customize Site Template",
             inOrder({[](QWidget& w) {
                        typeInto(w, "Site &Name:", "Trail/Shop");
                        selectIn(w, "A&vailable Pages", "Coupon Page");
                        click(w, "&Add >>");
                      },
                      [](QWidget& w) { click(w, "OK"); },
                      [](QWidget& w) {
                        typeInto(w, "Site &Name:", "Trail Shop");
                        click(w, "OK");
                      }}));
  run(kCmdSiteType);
  ASSERT_EQ(driver_.messages.size(), 3u);
  EXPECT_EQ(driver_.messages[0],
            "The site you have selected cannot be directly edited,\nBut it has been copied to "
            "a new site so that you may edit it.");
  EXPECT_EQ(driver_.messages[1],
            "Sorry, Site Name may not include any of these characters:\n\\/:*?\"<>|");
  EXPECT_NE(driver_.messages[2].find("reset the displayed links"), std::string::npos);
  EXPECT_EQ(doc().m_pSiteTemplate->currentName, "Trail Shop");
  ASSERT_FALSE(shownPages.empty());
  EXPECT_EQ(shownPages.back(), "Coupon Page");
  EXPECT_TRUE(doc().m_pPageData->hasCouponPage());
  EXPECT_TRUE(std::filesystem::exists(home() / "Site Templates" / "Trail Shop"));
}

TEST_F(SiteStepViewsTest, TheAddOnSiteTakesTheLocationBrowsedFor) {
  const std::filesystem::path index = home_.write("OldSite/index.html", "<html></html>\n");
  QString shownPath;
  driver_.on("Select Type Of Site", inOrder({[](QWidget& w) {
                                               selectIn(w, "&Type of Site:",
                                                        "Just add commerce to my site");
                                               click(w, "Current Site &Location...");
                                             },
                                             [](QWidget& w) { click(w, "&Close"); }}));
  driver_.on("Current Site Location",
             inOrder({[](QWidget& w) { click(w, "&Browse..."); },
                      [&shownPath](QWidget& w) {
                        shownPath = w.findChildren<QLineEdit*>().front()->text();
                        typeInto(w, "&Rename it to:", "oldhome.html");
                        click(w, "OK");
                      }}));
  driver_.on("QFileDialog", [&index](QWidget& dialog) { chooseFile(dialog, index); });
  run(kCmdSiteType);
  EXPECT_EQ(shownPath.toStdString(), index.string());
  const CSiteTemplate& site = *doc().m_pSiteTemplate;
  EXPECT_EQ(site.currentName, "Just add commerce to my site");
  EXPECT_EQ(site.existingIndexName, "index.html");
  EXPECT_EQ(site.oldIndexName, "oldhome.html");
  EXPECT_EQ(site.locationConfirmed, 1);
}

TEST_F(SiteStepViewsTest, StyleChoosesCustomizesAndPreviewsStyles) {
  driver_.on("Choose A Style For Site",
             inOrder({[](QWidget& w) { selectIn(w, "&Styles:", "Harbour"); }, cancel}));
  run(kCmdStyle);
  EXPECT_EQ(doc().m_pTemplate->currentName, "LeftImg");
  EXPECT_FALSE(app_->lifecycle().modified());

  // A permanent style is copied before it is customised; the attributes'
  // OK refuses a bad name, then saves the style under the good one, with
  // the HTML folder and background picture browsed for.
  const std::filesystem::path htmlFolder =
      home_.write("Own HTML/CatTemp0.html", "<html></html>\n").parent_path();
  const std::filesystem::path background = home_.write("Pictures/paper.gif", "GIF89a");
  driver_.on("QFileDialog", inOrder({[&htmlFolder](QWidget& dialog) {
                                       EXPECT_EQ(static_cast<QFileDialog&>(dialog).fileMode(),
                                                 QFileDialog::Directory);
                                       chooseFile(dialog, htmlFolder);
                                     },
                                     [&background](QWidget& dialog) {
                                       chooseFile(dialog, background);
                                     }}));
  bool drewSamples = false;
  driver_.on("Choose A Style For Site", inOrder({[](QWidget& w) { click(w, "C&ustomize..."); },
                                                 [](QWidget& w) { click(w, "&Close"); }}));
  driver_.on("New Style Attributes",
             inOrder({[](QWidget& w) {
                        typeInto(w, "Style &Name:", "Acme/Style");
                        click(w, "OK");
                      },
                      [&drewSamples](QWidget& w) {
                        for (QLabel* label : w.findChildren<QLabel*>()) {
                          if (!label->pixmap().isNull()) drewSamples = true;
                        }
                        clickBeside(w, "&HTML Location:", "Browse...");
                      },
                      [](QWidget& w) { clickBeside(w, "&Background Image:", "Browse..."); },
                      [](QWidget& w) {
                        typeInto(w, "Style &Name:", "Acme Style");
                        w.findChildren<QSpinBox*>().front()->setValue(3);
                        click(w, "OK");
                      }}));
  run(kCmdStyle);
  ASSERT_EQ(driver_.messages.size(), 3u);
  EXPECT_EQ(driver_.messages[0],
            "The style you have selected cannot be directly edited,\nbut it has been copied to "
            "a new style so that you may edit it.");
  EXPECT_EQ(driver_.messages[1],
            "Sorry, Style Name may not include any of these characters:\n\\/:*?\"<>|");
  EXPECT_NE(driver_.messages[2].find("overwrite all of your current page customization"),
            std::string::npos);
  EXPECT_TRUE(drewSamples);
  EXPECT_EQ(doc().m_pTemplate->currentName, "Acme Style");
  EXPECT_EQ(doc().m_pTemplate->linkFont.shadowDepth, 3);
  EXPECT_EQ(doc().m_pTemplate->templatePath, htmlFolder.string() + "\\");
  EXPECT_EQ(doc().m_pTemplate->backImage, background.string());
  EXPECT_TRUE(std::filesystem::exists(home() / "Style Templates" / "Acme Style.cfg"));
}

}  // namespace
}  // namespace quorvex::testing
