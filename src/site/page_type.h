#ifndef QUORVEX_SITE_PAGE_TYPE_H_
#define QUORVEX_SITE_PAGE_TYPE_H_

#include <cstdint>

namespace quorvex {

// The page type numbers. kProductPagesGroup is not a page class: in lists of
// page types it stands for one product page, one thank-you page, one order
// form page and one download page together. 4008 to 4010 are not used.
enum PageType : int32_t {
  kHomePageType = 4000,
  kContactPageType = 4001,
  kInfoPageType = 4002,
  kProductPageType = 4003,
  kProductPagesGroup = 4004,
  kIndProdPageType = 4005,
  kThankYouPageType = 4006,
  kOrderFormPageType = 4007,
  kCouponPageType = 4011,
  kDownloadPageType = 4012,
  kArticlesPageType = 4013,
  kNewspaperPageType = 4014,
  kMagazinePageType = 4015,
  kSpecCategoryPageType = 4016,
};

// The type number held by pages that have none of their own: the product
// sub-pages and the two bare pages of the document.
inline constexpr int32_t kUntypedPage = 0;

// Returns the label a new page of `type` starts with ("Home", "Thank You"),
// or null for a type without a page class of its own (4004, 4008-4010, any
// other number). The individual product page's default label is empty.
const char* defaultPageLabel(int32_t type);

// True for the page types no link list shows: the thank-you, order form and
// download pages.
bool isNeverLinked(int32_t type);

// Returns the template file a page of `type` is generated from by default
// ("HomePage.html"), or null for a type without a page class of its own.
const char* defaultTemplateFile(int32_t type);

}  // namespace quorvex

#endif  // QUORVEX_SITE_PAGE_TYPE_H_
