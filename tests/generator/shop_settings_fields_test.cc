// The configuration fields of the shop page and its cart buttons, as the
// save-site run writes them into shop.html.

#include <gtest/gtest.h>

#include "generator/site_fixture.h"
#include "publish/order_catalogue.h"
#include "site/page_type.h"
#include "site/product_page.h"

namespace quorvex::testing {
namespace {

constexpr const char* kShopFields[] = {
    "quorvex_version", "cmd:view",     "cmd:submit",     "cmd:continue",  "filePath",
    "qvx_user",        "order_email",  "order_title",    "pgpuserid",     "icheckid",
    "cc_user",         "reject",       "capture",        "timeout",       "avsCode",
    "checkppos",       "ppos_id",      "ppos_email",     "ftpExpires",    "methods",
    "useCookies",      "keywords",     "description",    "shop_file",     "terms_blurb",
    "itemsPerPage",    "displayAllItems", "buymeToCart", "portaCart",     "cartempty_img",
    "cartfull_img",    "def_buy_img",  "def_continue_img", "def_submit_img", "def_view_img",
    "def_delete_img",  "def_minus_img", "def_plus_img",  "continue_over", "submit_over",
    "view_over",       "submit_js",    "mouseOverImages", "home_file"};

// A shop template that shows every configuration field as "name=value|".
class ShopSettingsTest : public SiteFixture {
 protected:
  ShopSettingsTest() {
    std::string shop = "featuredItem,vendor,moreInfo,selectedInfo\n";
    for (const char* field : kShopFields) shop += std::string(field) + "=$[" + field + "]|";
    writeFile("Template Common/shop.html", shop);
  }

  // Builds the site and returns shop.html.
  std::string buildShop() {
    EXPECT_EQ(build(), WorkerState::kFinished) << status_.errorText();
    return siteFile("shop.html");
  }

  CProductPage& productPage() { return *doc_.m_pPageData->productPage(); }
};

TEST_F(ShopSettingsTest, OrderSettingsComeFromTheServerPreferences) {
  CFtp& server = *doc_.m_pFtp;
  server.vendorId = "MyShop12345";
  server.orderEmail = "orders@acme.example";
  server.usePgp = 1;
  server.pgpId = "pgp-key";
  server.allowICheck = 0;
  server.iCheckId = "check-id";
  server.realTimeCards = 0;
  server.cardUserId = "card-user";
  server.rejectDeclined = 0;
  server.captureImmediately = 1;
  server.acceptOnTimeout = 0;
  server.addressVerification = 3;
  server.sendExtraNotification = 0;
  server.notifyFrom = "from";
  server.downloadExpiryDays = 14;
  server.useCookies = 0;
  server.extraOrigins = "HTTPS://Shop.Acme.example, http://localhost:8080";
  doc_.m_pOrderNotifyData->paymentMethods = {"Visa", "American Express"};
  doc_.m_pBusiness->keywords = "tents, \"packs\"";
  doc_.m_pBusiness->termsText = "Pay first.\nShip later.";

  const std::string shop = buildShop();
  EXPECT_EQ(fieldIn(shop, "quorvex_version"),
            "<META name=\"GENERATOR\" content=\"Quorvex Version 9.9\">");
  EXPECT_EQ(fieldIn(shop, "qvx_user"), "myshop12");
  EXPECT_EQ(fieldIn(shop, "order_email"), "orders@acme.example");
  EXPECT_EQ(fieldIn(shop, "order_title"), "Acme Order");
  // An identity is written only while its option is on.
  EXPECT_EQ(fieldIn(shop, "pgpuserid"), "pgp-key");
  EXPECT_EQ(fieldIn(shop, "icheckid"), "");
  EXPECT_EQ(fieldIn(shop, "cc_user"), "");
  EXPECT_EQ(fieldIn(shop, "ppos_id"), "");
  EXPECT_EQ(fieldIn(shop, "checkppos"), "no");
  EXPECT_EQ(fieldIn(shop, "reject"), "0");
  EXPECT_EQ(fieldIn(shop, "capture"), "1");
  EXPECT_EQ(fieldIn(shop, "timeout"), "2");
  EXPECT_EQ(fieldIn(shop, "avsCode"), "3");
  EXPECT_EQ(fieldIn(shop, "ftpExpires"), "14");
  EXPECT_EQ(fieldIn(shop, "useCookies"), "false");
  EXPECT_EQ(fieldIn(shop, "methods"),
            "<OPTION VALUE=\"Visa\">Visa</OPTION>\r\n"
            "<OPTION VALUE=\"AmericanExpress\">American Express</OPTION>\r\n");
  EXPECT_EQ(fieldIn(shop, "keywords"), "tents, \"packs\"");
  EXPECT_EQ(fieldIn(shop, "terms_blurb"), "Pay first.<BR>\r\nShip later.");
  EXPECT_EQ(fieldIn(shop, "shop_file"), "shop.html");
  EXPECT_EQ(fieldIn(shop, "filePath"), "");
  EXPECT_EQ(fieldIn(shop, "home_file"), "Home.html");
  // The order data lists the other origins as browsers send them.
  OrderCatalogue orderData;
  ASSERT_TRUE(OrderCatalogue::fromJson(siteFile("orderdata.json"), orderData).ok());
  EXPECT_EQ(orderData.extraOrigins,
            (std::vector<std::string>{"https://shop.acme.example", "http://localhost:8080"}));

  server.vendorId = "";
  server.sendExtraNotification = 1;
  server.notifyTo = "boss@acme.example";
  const std::string again = buildShop();
  EXPECT_EQ(fieldIn(again, "qvx_user"), " ");
  EXPECT_EQ(fieldIn(again, "checkppos"), "yes");
  EXPECT_EQ(fieldIn(again, "ppos_id"), "from");
  EXPECT_EQ(fieldIn(again, "ppos_email"), "boss@acme.example");
}

TEST_F(ShopSettingsTest, ProductPageSettingsAndASiteWithoutOne) {
  productPage().itemsPerPage = 12;
  productPage().buyMeOpensCart = 1;
  productPage().portaCart = 1;
  std::string shop = buildShop();
  EXPECT_EQ(fieldIn(shop, "itemsPerPage"), "12");
  EXPECT_EQ(fieldIn(shop, "displayAllItems"), "false");
  EXPECT_EQ(fieldIn(shop, "buymeToCart"), "view();");
  EXPECT_EQ(fieldIn(shop, "portaCart"), "true");
  EXPECT_EQ(fieldIn(shop, "cartempty_img"), "cartempty.gif");

  productPage().displayAllItems = 1;
  productPage().buyMeOpensCart = 0;
  shop = buildShop();
  EXPECT_EQ(fieldIn(shop, "itemsPerPage"), "9999");
  EXPECT_EQ(fieldIn(shop, "buymeToCart"), "");

  // Without a product page there are no cart buttons, but the cart
  // commands are still there.
  auto& pages = doc_.m_pPageData->pages;
  std::erase_if(pages, [](const Owned<CPage>& page) { return page->pageType != kHomePageType; });
  shop = buildShop();
  EXPECT_EQ(fieldIn(shop, "itemsPerPage"), "0");
  EXPECT_EQ(fieldIn(shop, "portaCart"), "false");
  EXPECT_EQ(fieldIn(shop, "def_buy_img"), "");
  EXPECT_EQ(fieldIn(shop, "cartempty_img"), "");
  EXPECT_EQ(fieldIn(shop, "cmd:view"),
            "<A HREF=\"javascript:shop.view()\"><IMG NAME=\"ViewCart\" SRC=\"\" ALT=\"View "
            "Shopping Cart\" BORDER=\"0\"></A>");
}

TEST_F(ShopSettingsTest, CartButtonsAreDrawnPlacedAndRolledOver) {
  writePicture("Buttons/buy.gif", 60, 20);
  writePicture("Buttons/buy-on.gif", 60, 20);
  writePicture("Buttons/submit.jpg", 50, 18);
  writePicture("Buttons/view.gif", 40, 16);
  writePicture("Buttons/view-on.gif", 40, 16);
  writeFile("Style Templates/Plain/TempConfig.cfg",
            "def_buy_img=Buttons\\buy.gif\r\non_buy_img=Buttons\\buy-on.gif\r\n"
            "buy_drawtext=yes\r\nbuyon_drawtext=yes\r\n"
            "def_submit_img=Buttons\\submit.jpg\r\nsubmit_drawtext=yes\r\n"
            "def_view_img=Buttons\\view.gif\r\non_view_img=Buttons\\view-on.gif\r\n"
            "def_continue_img=\r\ndef_delete_img=\r\ndef_minus_img=\r\ndef_plus_img=\r\n"
            "empty_cart_img=Template Images\\Other\\cartempty.gif\r\nfull_cart_img=\r\n");
  const std::string shop = buildShop();

  // Drawn buttons get their own names; others keep the picture's name.
  EXPECT_EQ(fieldIn(shop, "def_buy_img"), "Images/buythis-link.gif\" WIDTH=\"60\" HEIGHT=\"20");
  EXPECT_EQ(fieldIn(shop, "def_submit_img"),
            "Images/submitorder-link.jpg\" WIDTH=\"50\" HEIGHT=\"18");
  EXPECT_EQ(fieldIn(shop, "def_view_img"), "Images/view.gif\" WIDTH=\"40\" HEIGHT=\"16");
  EXPECT_EQ(fieldIn(shop, "def_continue_img"), "Images/nada.gif\" WIDTH=\"1\" HEIGHT=\"1");
  EXPECT_EQ(fieldIn(shop, "cartempty_img"), "cartempty.gif");
  EXPECT_EQ(fieldIn(shop, "cartfull_img"), "nada.gif");
  EXPECT_EQ(imageSizeOf("buythis-link-ON.gif"), (std::pair<int, int>{60, 20}));
  for (const char* entry : {"Images/buythis-link.gif", "Images/buythis-link-ON.gif",
                            "Images/submitorder-link.jpg", "Images/view.gif",
                            "Images/view-on.gif", "Images/cartempty.gif"}) {
    const std::vector<std::string> web = entries(*doc_.m_pWebFileList);
    EXPECT_NE(std::find(web.begin(), web.end(), entry), web.end()) << entry;
  }

  // Roll-overs exist only for buttons with a pressed picture.
  EXPECT_EQ(fieldIn(shop, "view_over"),
            " onMouseOver=\"shop.flip('ViewCart', 'ViewCart1')\" "
            "onMouseOut=\"shop.flip('ViewCart', 'ViewCart0')\"");
  EXPECT_EQ(fieldIn(shop, "submit_over"), "");
  EXPECT_EQ(fieldIn(shop, "continue_over"), "");
  EXPECT_EQ(fieldIn(shop, "submit_js"),
            " <A HREF=\"javascript:shop.cart.checkSubmit()\" ><IMG NAME=\"SubmitOrder\" "
            "SRC=\"Images/submitorder-link.jpg\" WIDTH=\"50\" HEIGHT=\"18\" ALT=\"Submit Order\" "
            "BORDER=\"0\"></A>");
  EXPECT_EQ(fieldIn(shop, "cmd:submit"),
            "<A HREF=\"javascript:shop.cart.checkSubmit()\"><IMG NAME=\"SubmitOrder\" "
            "SRC=\"Images/submitorder-link.jpg\" WIDTH=\"50\" HEIGHT=\"18\" ALT=\"Submit Order\" "
            "BORDER=\"0\"></A>");
  EXPECT_EQ(fieldIn(shop, "mouseOverImages"),
            "BuyThis0 = new Image;\r\nBuyThis0.src = 'Images/buythis-link.gif';\r\n"
            "BuyThis1 = new Image;\r\nBuyThis1.src = 'Images/buythis-link-ON.gif';\r\n"
            "ViewCart0 = new Image;\r\nViewCart0.src = 'Images/view.gif';\r\n"
            "ViewCart1 = new Image;\r\nViewCart1.src = 'Images/view-on.gif';\r\n");
  EXPECT_EQ(prompter_.texts(), std::vector<std::string>());
}

}  // namespace
}  // namespace quorvex::testing
