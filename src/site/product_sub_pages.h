#ifndef QUORVEX_SITE_PRODUCT_SUB_PAGES_H_
#define QUORVEX_SITE_PRODUCT_SUB_PAGES_H_

#include "site/plain_page.h"
#include "site/prod_half_pages.h"

namespace quorvex {

// The three sub-pages of the product page. Their labels are fixed and are
// among the labels a page of the page list may not take.

// The list of product categories, labelled "category".
class CCategoryPage : public CProdHalfPages {
  QUORVEX_PAGE(CCategoryPage)

 public:
  CCategoryPage();

  // Own part, record version 3, nothing else. A version 2 record also holds
  // two ints (items per page, display all), read and dropped.
  void serialize(Archive& ar) override;
};

// The featured items, labelled "featuredItems".
class CFeaturePage : public PlainPage<CProdHalfPages> {
  QUORVEX_PAGE(CFeaturePage)

 public:
  CFeaturePage();
};

// The product search, labelled "search".
class CSearchPage : public PlainPage<CProdHalfPages> {
  QUORVEX_PAGE(CSearchPage)

 public:
  CSearchPage();
};

}  // namespace quorvex

#endif  // QUORVEX_SITE_PRODUCT_SUB_PAGES_H_
