#include "generator/page_content_fields.h"

#include <gtest/gtest.h>

#include "generator/site_fixture.h"
#include "imaging/font_markup.h"
#include "site/contact_page.h"
#include "site/ind_prod_page.h"
#include "site/page_type.h"
#include "site/product_page.h"

namespace quorvex::testing {
namespace {

constexpr char kNada[] = "Images/nada.gif\" WIDTH=\"1\" HEIGHT=\"1";

class PageContentFieldsTest : public SiteFixture {
 protected:
  // The first page of `type` in the page list.
  template <class Page>
  Page& pageOf(int32_t type) {
    for (const Owned<CPage>& page : doc_.m_pPageData->pages) {
      if (page->pageType == type) return dynamic_cast<Page&>(*page);
    }
    throw std::logic_error("no such page");
  }
  static bool listed(const CFileList& list, const std::string& entry) {
    std::vector<std::string> names = entries(list);
    return std::find(names.begin(), names.end(), entry) != names.end();
  }
};

TEST_F(PageContentFieldsTest, SiteWideValuesComeFromCompanyAndStyle) {
  doc_.m_pContact->url = "www.acme.example";
  doc_.m_pBusiness->copyrightText = "(c) Acme\nAll rights reserved";
  writeFile("Style Templates/Plain/TempConfig.cfg",
            "back_image=Style Templates\\Plain\\sea bed.bmp\r\noffset=0%\r\n");
  writePicture("Style Templates/Plain/sea bed.bmp", 8, 8);
  ASSERT_EQ(build(), WorkerState::kFinished) << status_.errorText();
  const std::string shop = siteFile("shop.html");
  EXPECT_EQ(fieldIn(shop, "companyName"), "Acme");
  EXPECT_EQ(fieldIn(shop, "companyURL"), "http://www.acme.example");
  EXPECT_EQ(fieldIn(shop, "copyright"), "(c) Acme<BR>\r\nAll rights reserved");
  // A style offset whose number is below 1 becomes 1; a page's is kept.
  EXPECT_EQ(fieldIn(shop, "offset"), "1");
  EXPECT_EQ(fieldIn(siteFile("Home.html"), "offset"), "0%");
  // The style's background goes to both servers and serves every page that
  // has none of its own.
  EXPECT_EQ(fieldIn(shop, "back_img"), "Images/sea_bed.jpg");
  EXPECT_EQ(fieldIn(siteFile("Home.html"), "back_img"), "Images/sea_bed.jpg");
  EXPECT_TRUE(listed(*doc_.m_pWebFileList, "Images/sea_bed.jpg"));
  EXPECT_TRUE(listed(*doc_.m_pOrderServerFileList, "Images/sea_bed.jpg"));
  // Without a logo the logo field shows the empty picture.
  EXPECT_EQ(fieldIn(siteFile("Home.html"), "companyLogo"), kNada);
}

TEST_F(PageContentFieldsTest, TextsAreMarkedUpInTheirFonts) {
  CFullPage& home = pageOf<CFullPage>(kHomePageType);
  home.header = "Welcome\nHome";
  home.mainText = "Tents & packs";
  doc_.m_pBusiness->makeTermsPage = 1;
  writeFile("Template Common/Terms.html", "$[quorvex_version]terms");
  ASSERT_EQ(build(), WorkerState::kFinished) << status_.errorText();
  const std::string page = siteFile("Home.html");
  const std::string header = toHtml(home.headerFont, "Welcome\nHome");
  EXPECT_EQ(fieldIn(page, "header"), header.substr(0, header.find('\n')) + "<BR>\r\n" +
                                         header.substr(header.find('\n') + 1));
  EXPECT_EQ(fieldIn(page, "mainText"), toHtml(home.mainTextFont, "Tents & packs"));
  EXPECT_EQ(fieldIn(page, "text_color"), "#000000");
  // The product page links to the terms when there are terms.
  const CProductPage& product = pageOf<CProductPage>(kProductPageType);
  EXPECT_EQ(fieldIn(siteFile("Product.html"), "mainText"),
            toHtml(product.mainTextFont, product.mainText) +
                "\r\n<BR>\r\n<BR>\r\n<A HREF=\"terms.html\" TARGET=\"main\">View Our Terms and "
                "Conditions</A>\r\n");
  EXPECT_EQ(siteFile("terms.html"), kVersionMeta + std::string("terms\r\n"));
}

TEST_F(PageContentFieldsTest, AdditionalImagesDefaultToTheEmptyPicture) {
  CFullPage& home = pageOf<CFullPage>(kHomePageType);
  home.imageFiles = {"NoImage"};
  CFullPage& contact = pageOf<CFullPage>(kContactPageType);
  writePicture("pics/one.gif", 3, 2);
  writePicture("pics/five.gif", 5, 4);
  contact.imageCount = 5;
  contact.imageFiles = {"pics\\one.gif", "", "NoImage", "", "pics\\five.gif"};
  contact.imageResize = {0, 0, 0, 0, 0};
  contact.imageWidths = {200, 200, 200, 200, 200};
  ASSERT_EQ(build(), WorkerState::kFinished) << status_.errorText();
  const std::string page = siteFile("Home.html");
  for (const char* field : {"image1", "image2", "image3"}) EXPECT_EQ(fieldIn(page, field), kNada);
  const std::string contactPage = siteFile("Contact.html");
  EXPECT_EQ(fieldIn(contactPage, "image1"), "Images/one.gif\" WIDTH=\"3\" HEIGHT=\"2");
  EXPECT_EQ(fieldIn(contactPage, "image2"), kNada);
  EXPECT_TRUE(listed(*doc_.m_pWebFileList, "Images/five.gif"));
  EXPECT_FALSE(listed(*doc_.m_pOrderServerFileList, "Images/five.gif"));
}

TEST_F(PageContentFieldsTest, PageImagesAreReducedWhenWider) {
  writePicture("pics/My Photo.PNG", 400, 300);
  CFullPage& home = pageOf<CFullPage>(kHomePageType);
  home.useDefaultImage = 0;
  home.pageImage = "pics\\My Photo.PNG";
  home.pageImageWidth = 200;
  CFullPage& product = pageOf<CFullPage>(kProductPageType);
  product.useDefaultImage = 0;
  product.pageImage = "pics\\My Photo.PNG";
  product.pageImageWidth = 100;
  CFullPage& thanks = pageOf<CFullPage>(kThankYouPageType);
  thanks.useDefaultImage = 0;
  thanks.pageImage = "pics\\My Photo.PNG";
  thanks.pageImageWidth = 40;
  ASSERT_EQ(build(), WorkerState::kFinished) << status_.errorText();
  EXPECT_EQ(fieldIn(siteFile("Home.html"), "image"),
            "Images/My_Photo-home.jpg\" WIDTH=\"200\" HEIGHT=\"150");
  EXPECT_EQ(fieldIn(siteFile("Product.html"), "image"),
            "Images/My_Photo-unknown.jpg\" WIDTH=\"100\" HEIGHT=\"75");
  // The thank-you page lives on the order server, and so does its picture.
  EXPECT_TRUE(listed(*doc_.m_pOrderServerFileList, "Images/My_Photo-thankyou.jpg"));
  EXPECT_FALSE(listed(*doc_.m_pWebFileList, "Images/My_Photo-thankyou.jpg"));
  EXPECT_TRUE(listed(*doc_.m_pWebFileList, "Images/My_Photo-home.jpg"));

  // Not wider than wanted: placed as it is (converted to JPEG).
  home.pageImageWidth = 500;
  ASSERT_EQ(build(), WorkerState::kFinished);
  EXPECT_EQ(fieldIn(siteFile("Home.html"), "image"),
            "Images/My_Photo.jpg\" WIDTH=\"400\" HEIGHT=\"300");
  EXPECT_FALSE(siteHas("Images/My_Photo-home.jpg"));
}

TEST_F(PageContentFieldsTest, TheLogoGoesToBothServers) {
  writePicture("pics/logo.bmp", 80, 40);
  doc_.m_pBusiness->logoPath = "pics\\logo.bmp";
  doc_.m_pBusiness->logoWidth = 0;
  ASSERT_EQ(build(), WorkerState::kFinished) << status_.errorText();
  EXPECT_EQ(fieldIn(siteFile("Home.html"), "companyLogo"),
            "Images/logo.jpg\" WIDTH=\"80\" HEIGHT=\"40");
  EXPECT_TRUE(listed(*doc_.m_pWebFileList, "Images/logo.jpg"));
  EXPECT_TRUE(listed(*doc_.m_pOrderServerFileList, "Images/logo.jpg"));

  doc_.m_pBusiness->logoWidth = 40;
  ASSERT_EQ(build(), WorkerState::kFinished);
  EXPECT_EQ(fieldIn(siteFile("Home.html"), "companyLogo"),
            "Images/logo-logo.jpg\" WIDTH=\"40\" HEIGHT=\"20");
}

TEST_F(PageContentFieldsTest, ContactListsFollowTheChecks) {
  CContact& contact = *doc_.m_pContact;
  contact.emails = {CLabelValue("Sales", "s@acme.example"), CLabelValue("Help", "h@acme.example")};
  contact.phones = {CLabelValue("Phone", "555 0100")};
  CAddress shop;
  shop.line1 = "12 Ridge Road";
  shop.city = "Boulder";
  shop.stateProvince = "CO";
  shop.zipPostal = "80302";
  shop.country = "USA";
  contact.addresses = {shop};
  CContactPage& page = pageOf<CContactPage>(kContactPageType);
  page.contactChecks.phoneChecks = {CCheck("Phone", 0)};
  page.contactChecks.emailChecks = {CCheck("Help", 0), CCheck("Gone", 1)};
  std::filesystem::remove(home_.path() / "Template Common/phonetemp.html");
  ASSERT_EQ(build(), WorkerState::kFinished) << status_.errorText();
  const std::string text = siteFile("Contact.html");
  // Each entry is its template (a line) and a line feed.
  EXPECT_EQ(fieldIn(text, "emails"), "[Sales:s@acme.example]\r\n\r\n");
  EXPECT_EQ(fieldIn(text, "phoneNumbers"), "");
  EXPECT_EQ(fieldIn(text, "locations"),
            "{12 Ridge Road<br>\r\nBoulder,  CO   80302<br>\r\nUSA<br><br>\r\n}\r\n\r\n");
  // The unread phone template gave no message; the checks follow the contact.
  EXPECT_EQ(prompter_.texts(), std::vector<std::string>());
  EXPECT_EQ(page.contactChecks.emailChecks.size(), 2u);
  EXPECT_EQ(page.contactChecks.emailChecks[1].label, "Sales");
}

TEST_F(PageContentFieldsTest, SubPagesAndIndividualProductPages) {
  CProductPage& product = pageOf<CProductPage>(kProductPageType);
  product.searchPage.header = "Find it";
  product.searchPage.offset = "12";
  auto individual = makeOwned<CIndProdPage>();
  individual->setLabel("A1");
  individual->header = "The hammer";
  doc_.m_pIndProdData->productPages.push_back(individual);
  ASSERT_EQ(build(), WorkerState::kFinished) << status_.errorText();
  const std::string search = siteFile("search.html");
  EXPECT_EQ(fieldIn(search, "header"), toHtml(product.searchPage.headerFont, "Find it"));
  EXPECT_EQ(fieldIn(search, "offset"), "12");
  // A sub-page sets no subheader: the last page's (the order form) stays.
  EXPECT_EQ(fieldIn(search, "subheader"), fieldIn(siteFile("order.html"), "subheader"));
  const std::string page = siteFile("A1.html");
  EXPECT_EQ(fieldIn(page, "page"), "A1.html");
  EXPECT_EQ(fieldIn(page, "productNumber"), "A1");
  EXPECT_EQ(fieldIn(page, "header"), toHtml(individual->headerFont, "The hammer"));
  EXPECT_TRUE(listed(*doc_.m_pWebFileList, "/A1.html"));
}

TEST(PageTypeLabels, NameTheReducedPictures) {
  EXPECT_STREQ(PageContentFields::typeLabel(kHomePageType), "home");
  EXPECT_STREQ(PageContentFields::typeLabel(kSpecCategoryPageType), "speccatgry");
  EXPECT_STREQ(PageContentFields::typeLabel(kArticlesPageType), "article");
  EXPECT_STREQ(PageContentFields::typeLabel(kProductPageType), "unknown");
  EXPECT_STREQ(PageContentFields::typeLabel(kUntypedPage), "unknown");
}

}  // namespace
}  // namespace quorvex::testing
