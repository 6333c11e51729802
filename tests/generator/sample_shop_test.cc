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

TEST(SampleShop, TheTemplatesNameEverySiteWideField) {
  // The fields a shop template of the current kind receives (the feature
  // arrays and the listing template belong to older shop templates), named
  // by the shop page, the blocks every page shares or the pages that show
  // the catalogue, the cart, the checkout and the terms. The pages use the
  // vertical links; the cart's own buttons are text, the other cart pictures
  // come with the cmd: fields.
  static constexpr const char* kSiteFields[] = {
      "quorvex_version", "companyName", "companyURL", "copyright", "companyLogo", "back_img",
      "text_color", "back_color", "link_color", "visited_color", "offset", "vlinks", "cmd:view",
      "cmd:submit", "cmd:continue", "filePath", "def_buy_img", "submit_js", "qvx_user", "order_email", "order_title", "pgpuserid",
      "icheckid", "cc_user", "reject", "capture", "timeout", "avsCode", "checkppos", "ppos_id",
      "ppos_email", "ftpExpires", "methods", "useCookies", "keywords", "description", "shop_file",
      "terms_blurb", "itemsPerPage", "displayAllItems", "buymeToCart", "portaCart",
      "cartempty_img", "cartfull_img", "product_file", "currency", "products", "categories",
      "sales_blurbs", "softwareInfo", "ship_types", "ship_info", "extra_order_fields", "tax",
      "globalDisplayBegin", "globalDisplayEnd", "numberDisplays", "displayItem",
      "featured_items", "couponList", "category_links", "mouseOverImages", "how_to_ship",
      "home_file"};
  std::string templates;
  for (const char* name : {"shop.html", "shop.js", "index.html", "ProductPage.html", "view.html",
                           "shipto.html", "Terms.html", "pagehead.part", "pagetop.part",
                           "pagebottom.part"}) {
    templates += contentOf(installedDataDir() / "Template Common" / name);
  }
  for (const char* field : kSiteFields) {
    EXPECT_NE(templates.find(std::string("$[") + field + "]"), std::string::npos) << field;
  }
}

TEST(SampleShop, TheBuiltShopHoldsEveryFamilyOfData) {
  TempDir dir;
  const fs::path site = buildSampleSite(dir.path() / "home");
  ASSERT_FALSE(site.empty());
  const std::string shop = contentOf(site / "shop.html");
  EXPECT_EQ(shop.find("$["), std::string::npos);
  const std::pair<const char*, const char*> expected[] = {
      {"shop.html", "<META name=\"GENERATOR\" content=\"Quorvex Version test\">"},
      {"shop.html", "tax[0] = new taxes('washington','wa','stateTax',0.065);"},
      {"shop.html", "tax[1] = new taxes('vat','','Canada',0.05);"},
      {"shop.html", "xZYGround[0] = new shippingTypes(50,8.45);"},
      {"shop.html", "shippingInfo[1] = new shippingInformation('Express','xSWExpress');"},
      {"shop.html", "var howToShip = 'subtotal';"},
      {"shop.html", "salesblurb['STOVE-GAS'] = 'Boils a litre in 3.5 minutes';"},
      {"shop.html",
       "couponList[0] = new coupons('Weekend Walkers','10% off on weekends',"
       "'MTWeekendWalkers.html','Day',6,0);"},
      {"shop.html", "var numberDisplays = parseInt('1', 10)"},
      {"shop.html", "mainWindow.document.write('<TR CLASS=\"item\">"},
      {"shop.html", "BuyThis0 = new Image;"},
      {"shop.html", "DTHome0 = new Image;"},
      {"shop.html", "var usePortaCart = "},
      {"Product.html", "<IMG NAME=\"DTHome\" SRC=\"Images/Home-link.gif\" ALT=\"Home\""},
      {"Product.html", "javascript:shop.show('Tents')"},
      {"shipto.html", "<OPTION VALUE=\"Visa\">Visa</OPTION>"},
  };
  for (const auto& [file, text] : expected) {
    EXPECT_NE(contentOf(site / file).find(text), std::string::npos) << file << ": " << text;
  }
  // The coupon pages are written beside the shop.
  EXPECT_TRUE(fs::exists(site / "MTWeekendWalkers.html"));
  EXPECT_TRUE(fs::exists(site / "NOSpringTuneUp.html"));
}

}  // namespace
}  // namespace quorvex::testing
