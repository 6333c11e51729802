// The sample company's shop page: its template names every site-wide field
// of the shop, and the built page holds the values of each family.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "generator/sample_site.h"
#include "platform/home.h"
#include "support/temp_dir.h"

namespace quorvex::testing {
namespace {

namespace fs = std::filesystem;

std::string contentOf(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(SampleShop, TheTemplateNamesEverySiteWideField) {
  // The fields a shop template of the current kind receives (the feature
  // arrays and the listing template belong to older shop templates).
  static constexpr const char* kSiteFields[] = {
      "quorvex_version", "companyName", "companyURL", "copyright", "companyLogo", "back_img",
      "text_color", "back_color", "link_color", "visited_color", "offset", "hlinks", "www_hlinks",
      "vlinks", "www_vlinks", "cmd:view", "cmd:submit", "cmd:continue", "filePath", "def_buy_img",
      "def_continue_img", "def_submit_img", "def_view_img", "def_delete_img", "def_minus_img",
      "def_plus_img", "submit_js", "qvx_user", "order_email", "order_title", "pgpuserid",
      "icheckid", "cc_user", "reject", "capture", "timeout", "avsCode", "checkppos", "ppos_id",
      "ppos_email", "ftpExpires", "methods", "useCookies", "keywords", "description", "shop_file",
      "terms_blurb", "itemsPerPage", "displayAllItems", "buymeToCart", "portaCart",
      "cartempty_img", "cartfull_img", "product_file", "currency", "products", "categories",
      "sales_blurbs", "softwareInfo", "ship_types", "ship_info", "extra_order_fields", "tax",
      "globalDisplayBegin", "globalDisplayEnd", "numberDisplays", "displayItem",
      "featured_items", "couponList", "category_links", "mouseOverImages", "vcategory_links",
      "how_to_ship", "home_file"};
  const std::string shop = contentOf(installedDataDir() / "Template Common" / "shop.html");
  for (const char* field : kSiteFields) {
    EXPECT_NE(shop.find(std::string("$[") + field + "]"), std::string::npos) << field;
  }
}

TEST(SampleShop, TheBuiltShopHoldsEveryFamilyOfData) {
  TempDir dir;
  const fs::path site = buildSampleSite(dir.path() / "home");
  ASSERT_FALSE(site.empty());
  const std::string shop = contentOf(site / "shop.html");
  EXPECT_EQ(shop.find("$["), std::string::npos);
  for (const char* text : {
           "<META name=\"GENERATOR\" content=\"Quorvex Version test\">",
           "tax[0] = new taxes('washington','wa','stateTax',0.065);",
           "tax[1] = new taxes('vat','','Canada',0.05);",
           "xZYGround[0] = new shippingTypes(50,8.45);",
           "shippingInfo[1] = new shippingInformation('Express','xSWExpress');",
           "var howToShip = 'subtotal';",
           "salesblurb['STOVE-GAS'] = 'Boils a litre in 3.5 minutes';",
           "couponList[0] = new coupons('Weekend Walkers','10% off on weekends',"
           "'MTWeekendWalkers.html','Day',6,0);",
           "var numberDisplays = parseInt('1', 10)",
           "mainWindow.document.write('<TR CLASS=\"item\">",
           "BuyThis0 = new Image;",
           "DTHome0 = new Image;",
           "<IMG NAME=\"DTHome\" SRC=\"Images/Home-link.gif\" ALT=\"Home\"",
           "javascript:shop.show('Tents')",
           "<OPTION VALUE=\"Visa\">Visa</OPTION>",
           "var usePortaCart = ",
       }) {
    EXPECT_NE(shop.find(text), std::string::npos) << text;
  }
  // The coupon pages are written beside the shop.
  EXPECT_TRUE(fs::exists(site / "MTWeekendWalkers.html"));
  EXPECT_TRUE(fs::exists(site / "NOSpringTuneUp.html"));
}

}  // namespace
}  // namespace quorvex::testing
