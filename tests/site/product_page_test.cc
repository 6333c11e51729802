#include <gtest/gtest.h>

#include "page_bytes.h"
#include "site/product_page.h"
#include "site/product_sub_pages.h"
#include "support/archive_bytes.h"

namespace quorvex {
namespace {

using testing::ArchiveBytes;
using testing::readInline;
using testing::writeInline;

// The page part of a sub-page as version 4 stores it, without links.
ArchiveBytes subPageStart(std::string_view label) {
  ArchiveBytes bytes;
  bytes.int32(4).str(label).int32(0).str("ALL").int32(1).int32(0);
  return bytes;
}

// A new sub-page's parts as the current versions write them.
ArchiveBytes& newSubPage(ArchiveBytes& bytes, std::string_view label, std::string_view header,
                         std::string_view body, std::string_view template_file,
                         int32_t own_version) {
  bytes.int32(4).str(label).int32(0).str("ALL").int32(1).int32(0);
  bytes.int32(6).str(header).str(body);
  testing::newAppearance(bytes, template_file);
  testing::fontData(bytes, 1, 5);
  testing::fontData(bytes, 0, 4);
  testing::fontData(bytes, 0, 2);
  return bytes.int32(1).int32(own_version);
}

TEST(ProductSubPages, DefaultsAndCurrentForm) {
  CFeaturePage featured;
  ArchiveBytes expected;
  newSubPage(expected, "featuredItems", "Featured Items",
             "--EXAMPLE TEXT--Below, is a list of our featured items.", "FeaturedItemsPage.html",
             1);
  EXPECT_EQ(writeInline(featured), expected.bytes());

  CCategoryPage category;
  ArchiveBytes category_bytes;
  newSubPage(category_bytes, "category", "Products by Category",
             "--EXAMPLE TEXT--Below, choose a category to view only the products in that "
             "category.",
             "CategoryPage.html", 3);
  EXPECT_EQ(writeInline(category), category_bytes.bytes());

  CSearchPage search;
  EXPECT_EQ(search.label, "search");
  EXPECT_EQ(search.templateFile, "SearchPage.html");
  EXPECT_EQ(search.bodyText,
            "--EXAMPLE TEXT--Below, you may easily locate products, by searching for them.");
  EXPECT_EQ(search.linksEnabled, 1);
  EXPECT_EQ(search.getType(), kUntypedPage);

  CSearchPage back;
  back.header = "changed";
  ASSERT_EQ(readInline(writeInline(search), back), "");
  EXPECT_EQ(back, search);
}

TEST(ProductSubPages, OlderSubPageParts) {
  // Versions 1 and 2 drop the link customisations read in the page part.
  ArchiveBytes v1;
  v1.int32(4).str("search").int32(0).str("ALL").int32(1).int32(1);
  testing::linkEntry(v1, "Home", 1, 1, "", "");
  v1.int32(1).str("Find").str("Body").int32(1);
  CSearchPage one;
  ASSERT_EQ(readInline(v1.bytes(), one), "");
  EXPECT_EQ(one.header, "Find");
  EXPECT_EQ(one.bodyText, "Body");
  EXPECT_EQ(one.linkCount, 0);
  EXPECT_TRUE(one.linkTargets.empty());

  ArchiveBytes v3 = subPageStart("search");
  v3.int32(3).str("Find").str("Body");
  testing::newAppearance(v3, "Other.html");
  testing::fontData(v3, 0, 7, "Georgia");
  testing::fontData(v3, 0, 1, "Georgia");
  v3.int32(1);
  CSearchPage three;
  ASSERT_EQ(readInline(v3.bytes(), three), "");
  EXPECT_EQ(three.templateFile, "Other.html");
  EXPECT_EQ(three.headerFont.htmlSize, 7);
  EXPECT_EQ(three.bodyFont.face, "Georgia");
  EXPECT_EQ(three.linkFont.htmlSize, 2);
  EXPECT_EQ(three.linksEnabled, 1);

  ArchiveBytes v5 = subPageStart("search");
  v5.int32(5).str("Find").str("Body");
  testing::newAppearance(v5, "Other.html");
  testing::fontData(v5, 0, 1);
  testing::fontData(v5, 0, 1);
  testing::fontData(v5, 0, 6);
  v5.int32(0).int32(1);
  CSearchPage five;
  size_t consumed = 0;
  ASSERT_EQ(readInline(v5.bytes(), five, &consumed), "");
  EXPECT_EQ(consumed, v5.bytes().size());
  EXPECT_EQ(five.linkFont.htmlSize, 6);
  EXPECT_EQ(five.linksEnabled, 0);
}

TEST(ProductSubPages, CategoryVersionTwoHoldsTwoUnusedInts) {
  ArchiveBytes v2 = subPageStart("category");
  v2.int32(1).str("Cats").str("").int32(2).int32(25).int32(1).str("next");
  CCategoryPage page;
  size_t consumed = 0;
  ASSERT_EQ(readInline(v2.bytes(), page, &consumed), "");
  EXPECT_EQ(page.header, "Cats");
  EXPECT_EQ(consumed, v2.bytes().size() - 5);
}

CProductPage changedProductPage() {
  CProductPage page;
  page.portaCart = 1;
  page.previousLinkText = "Prev";
  page.itemsPerPage = 25;
  page.displayAllItems = 1;
  page.linkOnWeight = 1;
  page.showAddedDescription = 0;
  page.layoutFile = "Display Styles\\Grid.html";
  page.showWeight = 1;
  page.searchPage.header = "Look";
  page.categoryPage.linksEnabled = 0;
  page.featuredPage.bodyText = "Best";
  return page;
}

// The product page's own settings after the sub-pages, in the stored order.
ArchiveBytes& productSettings(ArchiveBytes& bytes, bool with_porta_cart) {
  bytes.int32(1);  // buyMeOpensCart
  if (with_porta_cart) bytes.int32(1);
  bytes.int32(1).int32(25).str("More...").str("Prev");
  bytes.int32(0).int32(0).int32(1).int32(0).int32(0).int32(1).int32(1);  // linkOn...
  bytes.str("More Info");
  bytes.int32(0).int32(1).int32(1).int32(1).int32(1);  // show...
  return bytes.str("Display Styles\\Grid.html").int32(1).int32(1).int32(1);
}

TEST(ProductPageStoredForm, CurrentVersionThree) {
  CProductPage page = changedProductPage();
  const std::string written = writeInline(page);
  CFeaturePage featured;
  featured.bodyText = "Best";
  CCategoryPage category;
  category.linksEnabled = 0;
  CSearchPage search;
  search.header = "Look";
  ArchiveBytes own;
  own.int32(3).raw(writeInline(featured)).raw(writeInline(category)).raw(writeInline(search));
  productSettings(own, true);
  ASSERT_GT(written.size(), own.bytes().size());
  EXPECT_EQ(written.substr(written.size() - own.bytes().size()), own.bytes());

  CProductPage back;
  ASSERT_EQ(readInline(written, back), "");
  EXPECT_EQ(back, page);
}

TEST(ProductPageStoredForm, OlderVersions) {
  CProductPage page = changedProductPage();
  const std::string written = writeInline(page);
  CFullPage full_part_only = page;
  const std::string full_part = writeInline(full_part_only);
  std::string sub_pages;
  for (CPage* sub : std::initializer_list<CPage*>{&page.featuredPage, &page.categoryPage,
                                                  &page.searchPage}) {
    sub_pages += writeInline(*sub);
  }

  // Version 2: no portaCart.
  ArchiveBytes v2;
  v2.raw(full_part).int32(2).raw(sub_pages);
  productSettings(v2, false);
  CProductPage two;
  ASSERT_EQ(readInline(v2.bytes(), two), "");
  CProductPage expected_two = page;
  expected_two.portaCart = 0;
  EXPECT_EQ(two, expected_two);

  // Version 1: the sub-pages only.
  ArchiveBytes v1;
  v1.raw(full_part).int32(1).raw(sub_pages);
  CProductPage one;
  size_t consumed = 0;
  ASSERT_EQ(readInline(v1.bytes(), one, &consumed), "");
  EXPECT_EQ(consumed, v1.bytes().size());
  EXPECT_EQ(one.searchPage.header, "Look");
  EXPECT_EQ(one.itemsPerPage, 10);
  EXPECT_EQ(one.previousLinkText, "Back");

  // Another version: nothing after it.
  ArchiveBytes v4;
  v4.raw(full_part).int32(4).raw(sub_pages);
  CProductPage four;
  ASSERT_EQ(readInline(v4.bytes(), four, &consumed), "");
  EXPECT_EQ(consumed, full_part.size() + 4);
  EXPECT_EQ(four.searchPage.header, "Product Search");
}

}  // namespace
}  // namespace quorvex
