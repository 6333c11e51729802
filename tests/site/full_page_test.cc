#include <memory>

#include <gtest/gtest.h>

#include "page_bytes.h"
#include "site/contact_page.h"
#include "site/download_page.h"
#include "site/ind_prod_page.h"
#include "site/order_form_page.h"
#include "site/plain_pages.h"
#include "site/product_page.h"
#include "site/spec_category_page.h"
#include "support/archive_bytes.h"

namespace quorvex {
namespace {

using testing::ArchiveBytes;
using testing::readInline;
using testing::readObject;
using testing::writeInline;
using testing::writeObject;

struct Expected {
  std::unique_ptr<CFullPage> page;
  int32_t type;
  const char* label;
  const char* templateFile;
  int32_t textBlocks;
  const char* header;
};

TEST(FullPageDefaults, EveryKindHasItsTypeLabelTemplateAndTexts) {
  Expected expected[] = {
      {std::make_unique<CHomePage>(), 4000, "Home", "HomePage.html", 1, "Our Home Page!"},
      {std::make_unique<CContactPage>(), 4001, "Contact", "ContactPage.html", 1, "Contact Page"},
      {std::make_unique<CInfoPage>(), 4002, "Info", "InfoPage.html", 1, "Our Business"},
      {std::make_unique<CProductPage>(), 4003, "Product", "ProductPage.html", 1, "Our Products"},
      {std::make_unique<CIndProdPage>(), 4005, "", "IndividualProdPage.html", 1, ""},
      {std::make_unique<CThankYouPage>(), 4006, "Thank You", "ThankYouPage.html", 1, "Thank You"},
      {std::make_unique<COrderFormPage>(), 4007, "Order Form", "OrderPage.html", 1,
       "Your Order Information"},
      {std::make_unique<CCouponPage>(), 4011, "Coupon", "CouponPage.html", 1, "Our Coupons"},
      {std::make_unique<CDownloadPage>(), 4012, "Download", "DownloadPage.html", 1, "Download"},
      {std::make_unique<CArticlesPage>(), 4013, "Articles", "ArticlesPage.html", 2,
       "Our Business"},
      {std::make_unique<CNewspaperPage>(), 4014, "Newspaper", "NewspaperPage.html", 3,
       "Our Business"},
      {std::make_unique<CMagazinePage>(), 4015, "Magazine", "MagazinePage.html", 3,
       "Our Business"},
      {std::make_unique<CSpecCategoryPage>(), 4016, "Specific Category",
       "SpecCategoryPage.html", 1, "Products by Category"},
  };
  for (const Expected& e : expected) {
    const CFullPage& page = *e.page;
    SCOPED_TRACE(page.className());
    EXPECT_EQ(page.getType(), e.type);
    EXPECT_EQ(page.getLabel(), e.label);
    EXPECT_EQ(page.templateFile, e.templateFile);
    EXPECT_EQ(page.textBlockCount, e.textBlocks);
    EXPECT_EQ(page.header, e.header);
    EXPECT_EQ(page.unstyled, 1);
    EXPECT_EQ(page.mainText1, "");
    EXPECT_EQ(page.mainText2, "");
    EXPECT_EQ(page.useDefaultImage, page.getType() == 4005 ? 0 : 1);
    EXPECT_EQ(page.headerFont.htmlSize, 5);
    EXPECT_EQ(page.headerFont.bold, 1);
    EXPECT_EQ(page.subheaderFont.htmlSize, 4);
    EXPECT_EQ(page.mainText1Font.htmlSize, 3);
    EXPECT_EQ(page.linkFont.htmlSize, 2);
    EXPECT_EQ(page.linkFont.face, "Arial");
  }
}

// The page part (version 3, no links) and the start of the full-page part
// that every version holds.
ArchiveBytes olderPage(int32_t version) {
  ArchiveBytes bytes;
  bytes.int32(3).str("Old").int32(4002).str("ALL").int32(0);
  bytes.int32(version).str("H").str("S").str("M").str("p.jpg").int32(0);
  return bytes;
}

TEST(FullPageStoredForm, CurrentVersionTen) {
  CInfoPage page;
  page.imageCount = 2;
  page.imageFiles = {"a.jpg", "NoImage"};
  page.imageResize = {0, 1};
  page.imageWidths = {120, 200};
  page.mainText1 = "one";
  ArchiveBytes expected;
  expected.newClass("CInfoPage", 1);
  expected.int32(4).str("Info").int32(4002).str("ALL").int32(1).int32(0);
  expected.int32(10).str("Our Business").str("--EXAMPLE TEXT--A Little More About Our Company")
      .str("--EXAMPLE TEXT--Put your company specific info here").str("").int32(1).int32(0)
      .int32(1).int32(200);
  testing::newAppearance(expected, "InfoPage.html");
  expected.int32(2).str("a.jpg").int32(0).int32(120).str("NoImage").int32(1).int32(200);
  expected.str("one").str("");
  testing::newFullPageFonts(expected, true);
  expected.int32(1);
  EXPECT_EQ(writeObject(page), expected.bytes());

  std::string error;
  Owned<CInfoPage> back = readObject<CInfoPage>(expected.bytes(), &error);
  ASSERT_TRUE(back) << error;
  EXPECT_EQ(*back, page);
}

TEST(FullPageStoredForm, VersionsOneToThreeHoldTheImageFlags) {
  CInfoPage v1;
  v1.noImage = 1;
  ArchiveBytes b1 = olderPage(1);
  b1.int32(1);
  ASSERT_EQ(readInline(b1.bytes(), v1), "");
  EXPECT_EQ(v1.label, "Old");
  EXPECT_EQ(v1.header, "H");
  EXPECT_EQ(v1.subheader, "S");
  EXPECT_EQ(v1.mainText, "M");
  EXPECT_EQ(v1.pageImage, "p.jpg");
  EXPECT_EQ(v1.useDefaultImage, 0);
  EXPECT_EQ(v1.noImage, 0);
  EXPECT_EQ(v1.resizePageImage, 0);
  EXPECT_EQ(v1.pageImageWidth, 200);

  CInfoPage v2;
  ArchiveBytes b2 = olderPage(2);
  b2.int32(1).int32(1);
  ASSERT_EQ(readInline(b2.bytes(), v2), "");
  EXPECT_EQ(v2.noImage, 1);
  EXPECT_EQ(v2.resizePageImage, 0);

  CInfoPage v3;
  ArchiveBytes b3 = olderPage(3);
  b3.int32(1).int32(1).int32(340).int32(1);
  size_t consumed = 0;
  ASSERT_EQ(readInline(b3.bytes(), v3, &consumed), "");
  EXPECT_EQ(consumed, b3.bytes().size());
  EXPECT_EQ(v3.resizePageImage, 1);
  EXPECT_EQ(v3.pageImageWidth, 340);
  EXPECT_EQ(v3.imageCount, 1);
  EXPECT_EQ(v3.backColor, "#FFFFFF");
}

// Versions 4 to 7: the flags and the appearance strings of version 3 on.
ArchiveBytes fiveImagePage(int32_t version) {
  ArchiveBytes bytes = olderPage(version);
  bytes.int32(0).int32(1).int32(150);
  bytes.str("#111111").str("back.gif").str("10").str("#222222").str("#333333").str("#444444")
      .str("Mine.html");
  return bytes;
}

TEST(FullPageStoredForm, VersionsFourToSixHoldFiveImageFiles) {
  for (int32_t version : {4, 5, 6}) {
    SCOPED_TRACE(version);
    ArchiveBytes bytes = fiveImagePage(version);
    bytes.str("1.jpg").str("2.jpg").str("3.jpg").str("4.jpg").str("5.jpg").str("T1").str("T2");
    if (version >= 5) {
      for (int i = 0; i < 5; ++i) testing::fontData(bytes, 0, 6, "Courier");
    }
    if (version == 6) testing::fontData(bytes, 1, 1, "Tahoma");
    bytes.int32(1);

    CMagazinePage page;
    size_t consumed = 0;
    ASSERT_EQ(readInline(bytes.bytes(), page, &consumed), "");
    EXPECT_EQ(consumed, bytes.bytes().size());
    EXPECT_EQ(page.backColor, "#111111");
    EXPECT_EQ(page.backImage, "back.gif");
    EXPECT_EQ(page.offset, "10");
    EXPECT_EQ(page.textColor, "#222222");
    EXPECT_EQ(page.linkColor, "#333333");
    EXPECT_EQ(page.visitedColor, "#444444");
    EXPECT_EQ(page.templateFile, "Mine.html");
    EXPECT_EQ(page.imageCount, 5);
    EXPECT_EQ(page.imageFiles,
              (std::vector<std::string>{"1.jpg", "2.jpg", "3.jpg", "4.jpg", "5.jpg"}));
    EXPECT_EQ(page.imageResize, (std::vector<int32_t>{1, 1, 1, 1, 1}));
    EXPECT_EQ(page.imageWidths, (std::vector<int32_t>{200, 200, 200, 200, 200}));
    EXPECT_EQ(page.mainText1, "T1");
    EXPECT_EQ(page.mainText2, "T2");
    EXPECT_EQ(page.mainText2Font.face, version >= 5 ? "Courier" : "Arial");
    EXPECT_EQ(page.linkFont.face, version == 6 ? "Tahoma" : "Arial");
    EXPECT_EQ(page.textBlockCount, 3);
  }
}

TEST(FullPageStoredForm, VersionsSevenAndEightHoldImageSettings) {
  ArchiveBytes v7 = fiveImagePage(7);
  for (int i = 0; i < 5; ++i) v7.str("i.jpg").int32(i % 2).int32(100 + i);
  v7.str("").str("");
  testing::newFullPageFonts(v7, true);
  v7.int32(1);
  CInfoPage seven;
  ASSERT_EQ(readInline(v7.bytes(), seven), "");
  EXPECT_EQ(seven.imageCount, 5);
  EXPECT_EQ(seven.imageResize, (std::vector<int32_t>{0, 1, 0, 1, 0}));
  EXPECT_EQ(seven.imageWidths, (std::vector<int32_t>{100, 101, 102, 103, 104}));

  ArchiveBytes v8 = fiveImagePage(8);
  v8.int32(3);
  for (int i = 0; i < 3; ++i) v8.str("j.jpg").int32(0).int32(50);
  v8.str("").str("");
  testing::newFullPageFonts(v8, true);
  v8.int32(1);
  CInfoPage eight;
  size_t consumed = 0;
  ASSERT_EQ(readInline(v8.bytes(), eight, &consumed), "");
  EXPECT_EQ(consumed, v8.bytes().size());
  EXPECT_EQ(eight.imageCount, 3);
  EXPECT_EQ(eight.imageFiles, (std::vector<std::string>{"j.jpg", "j.jpg", "j.jpg"}));
  EXPECT_EQ(eight.imageWidths, (std::vector<int32_t>{50, 50, 50}));
}

TEST(FullPageStoredForm, VersionNineLinksMoveToThePagePart) {
  ArchiveBytes v9 = fiveImagePage(9);
  v9.int32(0);  // no images
  v9.int32(1);
  testing::linkEntry(v9, "Home", 4, 5, "n.gif", "p.gif");
  v9.str("").str("");
  testing::newFullPageFonts(v9, true);
  v9.int32(1);
  CHomePage page;
  ASSERT_EQ(readInline(v9.bytes(), page), "");
  ASSERT_EQ(page.linkCount, 1);
  EXPECT_EQ(page.linkTargets[0], "Home");
  EXPECT_EQ(page.linkFonts[0].shadowDepth, 4);
  EXPECT_EQ(page.linkPressedFonts[0].shadowDepth, 5);
  EXPECT_EQ(page.linkPressedImages[0], "p.gif");
  EXPECT_EQ(page.imageCount, 0);
  EXPECT_TRUE(page.imageFiles.empty());

  // Written back, the page part is version 4 with the link and the full-page
  // part version 10 without it.
  ArchiveBytes start;
  start.int32(4).str("Old").int32(4002).str("ALL").int32(0).int32(1);
  testing::linkEntry(start, "Home", 4, 5, "n.gif", "p.gif");
  start.int32(10);
  const std::string written = writeInline(page);
  EXPECT_EQ(written.substr(0, start.bytes().size()), start.bytes());
  CHomePage again;
  ASSERT_EQ(readInline(written, again), "");
  EXPECT_EQ(again, page);
}

TEST(FullPageStoredForm, UnknownVersionReadsOnlyTheCommonFields) {
  ArchiveBytes bytes = olderPage(11);
  bytes.int32(1);
  CInfoPage page;
  size_t consumed = 0;
  ASSERT_EQ(readInline(bytes.bytes(), page, &consumed), "");
  // The leaf part that follows is taken as what it happens to be; the five
  // common fields were read.
  EXPECT_EQ(page.header, "H");
  EXPECT_EQ(page.useDefaultImage, 0);
  EXPECT_EQ(page.noImage, 0);
  EXPECT_EQ(page.pageImageWidth, 200);
  EXPECT_EQ(page.resizePageImage, 1);
}

TEST(FullPageStoredForm, DamagedImageCountFails) {
  ArchiveBytes bytes = fiveImagePage(8);
  bytes.int32(0x40000000).str("a.jpg").int32(1).int32(2);
  CInfoPage page;
  EXPECT_NE(readInline(bytes.bytes(), page), "");
  EXPECT_EQ(page.imageCount, 0);
  EXPECT_TRUE(page.imageFiles.empty());
}

TEST(FullPageImages, AppendAndEraseKeepTheArraysInStep) {
  CFullPage page;
  page.appendImage("a.gif");
  page.imageWidths[1] = 300;
  page.appendImage("b.gif");
  page.eraseImage(0);
  page.eraseImage(7);
  EXPECT_EQ(page.imageCount, 2);
  EXPECT_EQ(page.imageFiles, (std::vector<std::string>{"a.gif", "b.gif"}));
  EXPECT_EQ(page.imageResize, (std::vector<int32_t>{1, 1}));
  EXPECT_EQ(page.imageWidths, (std::vector<int32_t>{300, 200}));
}

}  // namespace
}  // namespace quorvex
