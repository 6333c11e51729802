#ifndef QUORVEX_SITE_IND_PROD_PAGE_H_
#define QUORVEX_SITE_IND_PROD_PAGE_H_

#include "site/full_page.h"

namespace quorvex {

// The settings of one product's individual page, kept in the individual
// product page list (not in the page list). Its label is the product's
// part number and its mainText the product text of the page. Starts with
// empty texts and without the style's default image.
class CIndProdPage : public CFullPage {
  QUORVEX_PAGE(CIndProdPage)

 public:
  CIndProdPage();

  // Own part, record version 1, nothing else. A version 2 record also holds
  // resizePageImage and pageImageWidth, which replace the full-page part's.
  void serialize(Archive& ar) override;
};

}  // namespace quorvex

#endif  // QUORVEX_SITE_IND_PROD_PAGE_H_
