#include "site/page_type.h"

namespace quorvex {
namespace {

struct PageTypeDefaults {
  int32_t type;
  const char* label;
  const char* templateFile;
};

constexpr PageTypeDefaults kPageTypes[] = {
    {kHomePageType, "Home", "HomePage.html"},
    {kContactPageType, "Contact", "ContactPage.html"},
    {kInfoPageType, "Info", "InfoPage.html"},
    {kProductPageType, "Product", "ProductPage.html"},
    {kIndProdPageType, "", "IndividualProdPage.html"},
    {kThankYouPageType, "Thank You", "ThankYouPage.html"},
    {kOrderFormPageType, "Order Form", "OrderPage.html"},
    {kCouponPageType, "Coupon", "CouponPage.html"},
    {kDownloadPageType, "Download", "DownloadPage.html"},
    {kArticlesPageType, "Articles", "ArticlesPage.html"},
    {kNewspaperPageType, "Newspaper", "NewspaperPage.html"},
    {kMagazinePageType, "Magazine", "MagazinePage.html"},
    {kSpecCategoryPageType, "Specific Category", "SpecCategoryPage.html"},
};

const PageTypeDefaults* find(int32_t type) {
  for (const PageTypeDefaults& defaults : kPageTypes) {
    if (defaults.type == type) return &defaults;
  }
  return nullptr;
}

}  // namespace

bool isNeverLinked(int32_t type) {
  return type == kThankYouPageType || type == kOrderFormPageType || type == kDownloadPageType;
}

const char* defaultPageLabel(int32_t type) {
  const PageTypeDefaults* defaults = find(type);
  return defaults ? defaults->label : nullptr;
}

const char* defaultTemplateFile(int32_t type) {
  const PageTypeDefaults* defaults = find(type);
  return defaults ? defaults->templateFile : nullptr;
}

}  // namespace quorvex
