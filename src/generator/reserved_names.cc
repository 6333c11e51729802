#include "generator/reserved_names.h"

#include <algorithm>
#include <array>

namespace quorvex {

namespace {

constexpr std::array<std::string_view, 49> kReservedNames = {
    "CategoryPage.html",
    "ContactPage.html",
    "FeaturedItemsPage.html",
    "HomePage.html",
    "IndividualProdPage.html",
    "InfoPage.html",
    "OrderPage.html",
    "ProductPage.html",
    "SearchPage.html",
    "Terms.html",
    "thankyou.html",
    "CatTemp0.html",
    "CatTemp1.html",
    "CatTemp2.html",
    "CouponPage.html",
    "emailtemp.html",
    "error.html",
    "index.html",
    "jserror.html",
    "localtemp.html",
    "phonetemp.html",
    "shipto.html",
    "shop.html",
    "view.html",
    "Sample.bmp",
    "confirmation.txt",
    "order.txt",
    "TempConfig.cfg",
    "ProductPage.js",
    "download.html",
    "stop.html",
    "ArticlesPage.html",
    "MagazinePage.html",
    "CategoryPage.js",
    "CouponPage.js",
    "Display Default.html",
    "DownloadPage.html",
    "FeaturedItemsPage.js",
    "IndividualProdPage.js",
    "NewspaperPage.html",
    "SearchPage.js",
    "waitForData.js",
    "confirm1.txt",
    "confirm2.txt",
    "confirm3.txt",
    "vssver.scc",
    "SpecCategoryPage.html",
    "SpecCategoryPage.js",
    "ThankYouPage.html",
};

}  // namespace

bool isReservedStyleFile(std::string_view name) {
  return std::find(kReservedNames.begin(), kReservedNames.end(), name) != kReservedNames.end();
}

}  // namespace quorvex
