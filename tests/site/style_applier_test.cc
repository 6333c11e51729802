#include <gtest/gtest.h>

#include <array>

#include "site/ind_prod_page.h"
#include "site/plain_pages.h"
#include "site/product_page.h"
#include "site/style_applier.h"
#include "site/style_template.h"

namespace quorvex {
namespace {

constexpr int32_t kSeaText = 0x302010;  // "#102030"

CTemplate seaStyle() {
  CTemplate style;
  style.backImage = "Style Templates\\Sea\\Images\\bg.gif";
  style.back_color = "#E0F0FF";
  style.text_color = "#102030";
  style.link_color = "#0000AA";
  style.vlink_color = "#550055";
  style.offset = "15%";
  style.buy_text = "not a page setting";
  return style;
}

// A font with every style flag on, in Times; what a user's choice leaves.
CFontData fancyFont() {
  CFontData font;
  font.set("Times New Roman", 0x0000FF, 100, 1, 1, 1, 1);
  font.logFont.lfHeight = -40;
  font.dialogColor = 0x00FF00;
  return font;
}

// Gives `page` settings of its own in every field a style touches and in
// some it must leave.
void customise(CPage& page) {
  page.templateFile = "Custom.html";
  page.backImage = "mine.jpg";
  page.backColor = "#111111";
  page.textColor = "#222222";
  page.linkColor = "#333333";
  page.visitedColor = "#444444";
  page.offset = "7";
  page.linkCount = 1;
  page.linkTargets = {"Home"};
  page.linkFonts.resize(1);
  page.linkPressedFonts.resize(1);
  page.linkImages = {"a.gif"};
  page.linkPressedImages = {"b.gif"};
  page.displayedLinks = "Home|";
  page.label = "Mine";
  page.linkFont = fancyFont();
}

void customise(CFullPage& page) {
  customise(static_cast<CPage&>(page));
  page.header = "Hello";
  page.pageImage = "me.jpg";
  for (CFontData* font : {&page.headerFont, &page.subheaderFont, &page.mainTextFont,
                          &page.mainText1Font, &page.mainText2Font}) {
    *font = fancyFont();
  }
}

// Checks that `font` is plain Arial of `tenthsOfPoint` in the sea style's
// text colour, with the font dialog's own settings left as `before` had them.
void expectPlainArial(const CFontData& font, const CFontData& before, int32_t tenthsOfPoint) {
  EXPECT_EQ(font.face, "Arial");
  EXPECT_EQ(font.color, kSeaText);
  EXPECT_EQ(font.htmlSize, tenthsOfPoint / 40);
  EXPECT_EQ(font.bold + font.italic + font.underline + font.strikeOut, 0);
  EXPECT_EQ(font.logFont, before.logFont);
  EXPECT_EQ(font.dialogColor, before.dialogColor);
}

// Puts back in `page` the fields a style sets, from `original`.
void restoreStyledFields(CPage& page, const CPage& original) {
  page.templateFile = original.templateFile;
  page.backImage = original.backImage;
  page.backColor = original.backColor;
  page.textColor = original.textColor;
  page.linkColor = original.linkColor;
  page.visitedColor = original.visitedColor;
  page.offset = original.offset;
  page.linkCount = original.linkCount;
  page.linkTargets = original.linkTargets;
  page.linkFonts = original.linkFonts;
  page.linkPressedFonts = original.linkPressedFonts;
  page.linkImages = original.linkImages;
  page.linkPressedImages = original.linkPressedImages;
}

void expectStyledAppearance(const CPage& page) {
  EXPECT_EQ(page.backImage, "Style Templates\\Sea\\Images\\bg.gif");
  EXPECT_EQ(page.backColor, "#E0F0FF");
  EXPECT_EQ(page.textColor, "#102030");
  EXPECT_EQ(page.linkColor, "#0000AA");
  EXPECT_EQ(page.visitedColor, "#550055");
  EXPECT_EQ(page.offset, "15%");
  EXPECT_EQ(page.linkCount, 0);
  EXPECT_TRUE(page.linkTargets.empty() && page.linkFonts.empty() &&
              page.linkPressedFonts.empty() && page.linkImages.empty() &&
              page.linkPressedImages.empty());
}

void restoreFonts(CFullPage& page, const CFullPage& original) {
  page.headerFont = original.headerFont;
  page.subheaderFont = original.subheaderFont;
  page.mainTextFont = original.mainTextFont;
  page.mainText1Font = original.mainText1Font;
  page.mainText2Font = original.mainText2Font;
  page.linkFont = original.linkFont;
}

std::array<CProdHalfPages*, 3> subPages(CProductPage& page) {
  return {&page.categoryPage, &page.featuredPage, &page.searchPage};
}

TEST(StyleApplier, AFullPageTakesExactlyTheStylesLook) {
  CInfoPage original;
  customise(original);
  CInfoPage page = original;
  applyStyleToPage(seaStyle(), page);

  EXPECT_EQ(page.templateFile, "InfoPage.html");
  expectStyledAppearance(page);
  expectPlainArial(page.headerFont, original.headerFont, 280);
  expectPlainArial(page.subheaderFont, original.subheaderFont, 160);
  expectPlainArial(page.mainTextFont, original.mainTextFont, 120);
  expectPlainArial(page.mainText1Font, original.mainText1Font, 120);
  expectPlainArial(page.mainText2Font, original.mainText2Font, 120);
  expectPlainArial(page.linkFont, original.linkFont, 80);

  // Nothing else changed: texts, images, label, displayed links...
  restoreStyledFields(page, original);
  restoreFonts(page, original);
  EXPECT_TRUE(page == original);
}

TEST(StyleApplier, AProductPageStylesItsSubPagesButKeepsTheirTemplates) {
  CProductPage original;
  customise(original);
  original.layoutFile = "Display Styles\\Grid.html";
  for (CProdHalfPages* sub : subPages(original)) {
    customise(*sub);
    sub->headerFont = fancyFont();
    sub->bodyFont = fancyFont();
  }
  CProductPage page = original;
  applyStyleToPage(seaStyle(), page);

  EXPECT_EQ(page.templateFile, "ProductPage.html");
  expectPlainArial(page.headerFont, original.headerFont, 280);
  for (int i = 0; i < 3; ++i) {
    const CProdHalfPages& styled = *subPages(page)[i];
    const CProdHalfPages& before = *subPages(original)[i];
    SCOPED_TRACE(before.label);
    EXPECT_EQ(styled.templateFile, "Custom.html");
    expectStyledAppearance(styled);
    expectPlainArial(styled.headerFont, before.headerFont, 280);
    expectPlainArial(styled.bodyFont, before.bodyFont, 120);
  }

  restoreStyledFields(page, original);
  restoreFonts(page, original);
  for (int i = 0; i < 3; ++i) {
    CProdHalfPages& sub = *subPages(page)[i];
    restoreStyledFields(sub, *subPages(original)[i]);
    sub.headerFont = subPages(original)[i]->headerFont;
    sub.bodyFont = subPages(original)[i]->bodyFont;
  }
  EXPECT_TRUE(page == original);  // the sub-pages' link fonts included
}

TEST(StyleApplier, ABarePageKeepsItsTemplateFileAProductPageTakesItsOwn) {
  CPage bare;
  customise(bare);
  applyStyleToPage(seaStyle(), bare);
  EXPECT_EQ(bare.templateFile, "Custom.html");
  expectStyledAppearance(bare);
  EXPECT_EQ(bare.linkFont, fancyFont());  // a bare page has no text fonts

  CIndProdPage product;
  customise(product);
  applyStyleToPage(seaStyle(), product);
  EXPECT_EQ(product.templateFile, "IndividualProdPage.html");
  EXPECT_EQ(product.header, "Hello");
}

}  // namespace
}  // namespace quorvex
