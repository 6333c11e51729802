#include <gtest/gtest.h>
#include <memory>

#include "company/class_table.h"
#include "document/json_form.h"
#include "site/contact_page.h"
#include "site/download_page.h"
#include "site/ind_prod_data.h"
#include "site/order_form_page.h"
#include "site/page_data.h"
#include "site/plain_pages.h"
#include "site/product_page.h"
#include "site/spec_category_page.h"
#include "support/archive_bytes.h"

namespace quorvex {
namespace {

using testing::writeObject;

// Gives the fields every page class shares values other than the defaults.
void changeSharedFields(CFullPage& page) {
  page.setLabel("Label \xE9");
  page.unstyled = 0;
  page.displayedLinks = "Home|";
  page.linkCount = 1;
  page.linkTargets = {"Home"};
  page.linkFonts.resize(1);
  page.linkFonts[0].shadowDepth = 3;
  page.linkFonts[0].logFont.setFaceName("Verdana");
  page.linkPressedFonts.resize(1);
  page.linkPressedFonts[0].color = 0xFF;
  page.linkImages = {"n.gif"};
  page.linkPressedImages = {"p.gif"};
  page.setTextColor(0x123456);
  page.backImage = "back.jpg";
  page.setOffset("12", false);
  page.imageCount = 2;
  page.imageFiles = {"a.jpg", "b.jpg"};
  page.imageResize = {0, 1};
  page.imageWidths = {10, 20};
  page.mainText1 = "one";
  page.mainText2 = "two";
  page.noImage = 1;
  page.pageImageWidth = 99;
  page.headerFont.set("Georgia", 0xFF00, 280, 1, 0, 1, 0);
  page.linkFont.dialogColor = 7;
}

// The page written after a trip through the JSON form into a new page of
// its class must be the page written before.
void expectJsonRoundTrip(CPage& page, std::unique_ptr<CPage> fresh) {
  SCOPED_TRACE(page.className());
  const Json json = fieldsToJson([&page](FieldVisitor& v) { page.visitFields(v); });
  Status loaded = fieldsFromJson(documentClasses(), json, [&fresh](FieldVisitor& v) { fresh->visitFields(v); },
                                 page.className());
  ASSERT_TRUE(loaded.ok()) << loaded.message();
  EXPECT_EQ(writeObject(*fresh), writeObject(page));
}

template <class T>
void expectJsonRoundTripOf(void (*change)(T&) = nullptr) {
  T page;
  changeSharedFields(page);
  if (change) change(page);
  expectJsonRoundTrip(page, std::make_unique<T>());
}

TEST(PageJsonForm, EveryPageClassKeepsEveryStoredField) {
  expectJsonRoundTripOf<CHomePage>();
  expectJsonRoundTripOf<CInfoPage>();
  expectJsonRoundTripOf<CArticlesPage>();
  expectJsonRoundTripOf<CNewspaperPage>();
  expectJsonRoundTripOf<CMagazinePage>();
  expectJsonRoundTripOf<CCouponPage>();
  expectJsonRoundTripOf<CThankYouPage>();
  expectJsonRoundTripOf<CIndProdPage>();
  expectJsonRoundTripOf<CContactPage>(+[](CContactPage& page) {
    page.contactChecks.addressChecks.emplace_back("Main Street 1", 0);
  });
  expectJsonRoundTripOf<CDownloadPage>(+[](CDownloadPage& page) { page.reserved = 5; });
  expectJsonRoundTripOf<CSpecCategoryPage>(
      +[](CSpecCategoryPage& page) { page.whichCategory = "Tools"; });
  expectJsonRoundTripOf<COrderFormPage>(+[](COrderFormPage& page) {
    page.extraFields.emplace_back().identifier = "note";
  });
  expectJsonRoundTripOf<CProductPage>(+[](CProductPage& page) {
    page.portaCart = 1;
    page.previousLinkText = "Prev";
    page.nextLinkText = "Next";
    page.showWeight = 1;
    page.showPartNumber = 0;
    page.showPrice = 0;
    page.layoutFile = "Display Styles\\Grid.html";
    page.showFeatures = 0;
    page.showImage = 0;
    page.showDescription = 0;
    page.showBuyMe = 0;
    page.showAddedDescription = 0;
    page.linkOnWeight = 1;
    page.linkText = "Details";
    page.linkOnText = 0;
    page.linkOnPartNumber = 1;
    page.linkOnImage = 0;
    page.linkOnPrice = 1;
    page.linkOnDescription = 1;
    page.linkOnAddedDescription = 1;
    page.itemsPerPage = 4;
    page.displayAllItems = 1;
    page.buyMeOpensCart = 0;
    page.featuredPage.header = "Top";
    page.categoryPage.bodyFont.face = "Tahoma";
    page.searchPage.linksEnabled = 0;
    page.searchPage.setBackColor(0x10);
  });
}

TEST(PageJsonForm, ListsKeepTheClassOfEveryPage) {
  CPageData list;
  list.addPages(4000, 1);
  list.addPages(4004, 1);
  list.at(1).setLabel("Catalogue");
  CPageData back;
  const Json json = fieldsToJson([&list](FieldVisitor& v) { list.visitFields(v); });
  ASSERT_TRUE(fieldsFromJson(documentClasses(), json, [&back](FieldVisitor& v) { back.visitFields(v); }, "pages")
                  .ok());
  EXPECT_EQ(writeObject(back), writeObject(list));

  CIndProdData data;
  data.productPages.emplace_back(std::make_unique<CIndProdPage>());
  data.pageAt(0).setLabel("PN1");
  CIndProdData data_back;
  const Json data_json = fieldsToJson([&data](FieldVisitor& v) { data.visitFields(v); });
  ASSERT_TRUE(fieldsFromJson(documentClasses(), data_json, [&data_back](FieldVisitor& v) {
                data_back.visitFields(v);
              }, "productPages").ok());
  EXPECT_EQ(writeObject(data_back), writeObject(data));
}

}  // namespace
}  // namespace quorvex
