#include "site/ind_prod_page.h"

#include "document/archive.h"
#include "site/page_default_texts.h"

namespace quorvex {

CIndProdPage::CIndProdPage() : CFullPage(kIndProdPageType, 1, kIndProdPageTexts) {
  useDefaultImage = 0;
}

void CIndProdPage::serialize(Archive& ar) {
  CFullPage::serialize(ar);
  if (ar.recordVersion(1) == 2) {
    ar.io(resizePageImage);
    ar.io(pageImageWidth);
  }
}

}  // namespace quorvex
