#include "generator/category_links.h"

#include <gtest/gtest.h>

#include "generator/link_fixture.h"
#include "generator/link_markup.h"
#include "generator/text_helpers.h"
#include "products/extra_item.h"
#include "site/page_type.h"
#include "site/product_page.h"

namespace quorvex::testing {
namespace {

constexpr char kFeatured[] =
    "<A HREF=\"javascript:shop.show('featured',0,0)\" TARGET=\"main\">Featured Items</A>";
constexpr char kSearch[] =
    "<A HREF=\"search.html\" onclick=\"shop.searched=0\" TARGET=\"main\">Search</A>";

class CategoryLinksTest : public LinkFixture {
 protected:
  CategoryLinksTest() {
    CExtraFields& table = *doc_.m_pExtraFields;
    addRow("tools", 0);
    addRow("Men's", 0);
    addRow("hidden", 0);
    addRow("withdrawn", 1);
    addRow("unlisted", 0);
    table.categoryNames = {"tools", "Men's", "hidden", "withdrawn"};
    table.categoryDescriptions = {"Hand Tools", "Boots", "DO NOT PUBLISH", "Old Stock"};
    context_.featuredCount = 2;
  }
  void addRow(const std::string& category, int32_t publishState) {
    CExtraItem row;
    row.partNumber = category + "1";
    row.category = category;
    row.publishState = publishState;
    doc_.m_pExtraFields->rows.push_back(row);
  }
  CProductPage& product() { return *doc_.m_pPageData->productPage(); }

  CategoryLinks links_{context_, buttons_};
};

TEST_F(CategoryLinksTest, TextLinksListThePublishedCategoriesByName) {
  const std::string boots = "<A HREF=\"javascript:shop.show('Men\\'s')\">Boots</A>";
  const std::string tools = "<A HREF=\"javascript:shop.show('tools')\">Hand Tools</A>";
  EXPECT_EQ(links_.categoryLinks(false, nullptr),
            std::string(kFeatured) + " | " + boots + " | " + tools + " | " + kSearch + "\n");
  EXPECT_EQ(
      links_.categoryLinks(true, nullptr),
      std::string(kFeatured) + "<BR>\n" + boots + "<BR>\n" + tools + "<BR>\n" + kSearch + "<BR>\n");
  // Each group only when its sub-page shows links; featured items only when
  // there are some.
  context_.featuredCount = 0;
  product().searchPage.linksEnabled = 0;
  EXPECT_EQ(links_.categoryLinks(false, nullptr), boots + " | " + tools + " | ");
  product().categoryPage.linksEnabled = 0;
  EXPECT_EQ(links_.categoryLinks(true, nullptr), "");
}

TEST_F(CategoryLinksTest, NothingWithoutAProductPage) {
  setPages({{kHomePageType, "Home"}});
  EXPECT_EQ(links_.categoryLinks(false, nullptr), "");
}

TEST_F(CategoryLinksTest, ButtonLinksUseTheCategoryCustomisations) {
  useButtons(true);
  customise(*doc_.m_pCategoriesPage, "tools", 150);
  product().categoryPage.linksEnabled = 1;
  std::string preload;
  const std::string list = links_.categoryLinks(true, &preload);
  const std::string tools = checkedName("ProductCategoriesHand Tools", true);
  const std::string boots = checkedName("Boots", true);
  EXPECT_EQ(list,
            "<A HREF=\"javascript:shop.show('featured',0,0)\" onMouseOver=\"shop.flip("
            "'FeaturedItems', 'FeaturedItems1')\" onMouseOut=\"shop.flip('FeaturedItems', "
            "'FeaturedItems0')\"><IMG NAME=\"FeaturedItems\" SRC=\"Images/FeaturedItems-link.gif\" "
            "ALT=\"Featured Items\" WIDTH=\"100\" HEIGHT=\"20\" BORDER=0></A><BR>\n"
            "<A HREF=\"javascript:shop.show('Men\\'s')\" onMouseOver=\"shop.flip('" +
                boots + "', '" + boots + "1')\" onMouseOut=\"shop.flip('" + boots + "', '" + boots +
                "0')\"><IMG NAME=\"" + boots +
                "\" SRC=\"Images/Men_s-link.gif\" ALT=\"Boots\" WIDTH=\"100\" HEIGHT=\"20\" "
                "BORDER=0></A><BR>\n"
                "<A HREF=\"javascript:shop.show('tools')\" onMouseOver=\"shop.flip('" +
                tools + "', '" + tools + "1')\" onMouseOut=\"shop.flip('" + tools + "', '" + tools +
                "0')\"><IMG NAME=\"" + tools +
                "\" SRC=\"Images/ProductCategories-tools-link.gif\" ALT=\"Hand Tools\" "
                "WIDTH=\"150\" HEIGHT=\"30\" BORDER=0></A><BR>\n"
                "<A HREF=\"search.html\" onclick=\"shop.searched=0\" TARGET=\"main\" "
                "onMouseOver=\"shop.flip('Search', 'Search1')\" onMouseOut=\"shop.flip('Search', "
                "'Search0')\"><IMG NAME=\"Search\" SRC=\"Images/search-link.gif\" ALT=\"Search\" "
                "WIDTH=\"100\" HEIGHT=\"20\" BORDER=0></A><BR>\n");
  const std::string& url = context_.folders.imagesUrl();
  EXPECT_EQ(preload, preloadStatements("FeaturedItems", "FeaturedItems-link.gif",
                                       "FeaturedItems-link-ON.gif", url) +
                         preloadStatements(boots, "Men_s-link.gif", "Men_s-link-ON.gif", url) +
                         preloadStatements(tools, "ProductCategories-tools-link.gif",
                                           "ProductCategories-tools-link-ON.gif", url) +
                         preloadStatements("Search", "search-link.gif", "search-link-ON.gif", url));
  EXPECT_TRUE(enteredInBothLists("ProductCategories-tools-link-ON.gif"));
  // A row ends with a line feed.
  EXPECT_TRUE(links_.categoryLinks(false, nullptr).ends_with("BORDER=0></A>\n"));
}

TEST_F(CategoryLinksTest, ButtonListIsEmptyWhenAButtonCannotBeMade) {
  useButtons(false);
  CPage& record = *doc_.m_pCategoriesPage;
  customise(record, "Men's", 150);
  record.linkImages[0] = "Buttons\\missing.jpg";
  std::string preload;
  EXPECT_EQ(links_.categoryLinks(false, &preload), "");
  EXPECT_EQ(preload, "");
  EXPECT_EQ(prompter_.texts(),
            std::vector<std::string>{"WARNING: File \"Buttons\\missing.jpg\" does not seem to be "
                                     "a valid image.\nNo page links will be output."});
}

}  // namespace
}  // namespace quorvex::testing
