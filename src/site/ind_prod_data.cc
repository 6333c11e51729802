#include "site/ind_prod_data.h"

#include "document/archive.h"
#include "document/field_visitor.h"

namespace quorvex {

void CIndProdData::resetDisplayedLinks() {
  for (Owned<CIndProdPage>& page : productPages) page->displayedLinks = kAllLinks;
}

void CIndProdData::serialize(Archive& ar) { ar.ioObjectList(productPages); }

void CIndProdData::visitFields(FieldVisitor& visitor) {
  visitor.field("productPages", productPages);
}

}  // namespace quorvex
