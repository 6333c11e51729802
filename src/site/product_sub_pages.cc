#include "site/product_sub_pages.h"

#include "document/archive.h"

namespace quorvex {

CCategoryPage::CCategoryPage()
    : CProdHalfPages({"category", "Products by Category",
                      "--EXAMPLE TEXT--Below, choose a category to view only the products in "
                      "that category.",
                      "CategoryPage.html"}) {}

void CCategoryPage::serialize(Archive& ar) {
  CProdHalfPages::serialize(ar);
  if (ar.recordVersion(3) == 2) {
    int32_t unusedItemsPerPage = 0;
    int32_t unusedDisplayAll = 0;
    ar.io(unusedItemsPerPage);
    ar.io(unusedDisplayAll);
  }
}

CFeaturePage::CFeaturePage()
    : PlainPage({"featuredItems", "Featured Items",
                 "--EXAMPLE TEXT--Below, is a list of our featured items.",
                 "FeaturedItemsPage.html"}) {}

CSearchPage::CSearchPage()
    : PlainPage({"search", "Product Search",
                 "--EXAMPLE TEXT--Below, you may easily locate products, by searching for them.",
                 "SearchPage.html"}) {}

}  // namespace quorvex
