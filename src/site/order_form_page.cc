#include "site/order_form_page.h"

#include "document/archive.h"
#include "document/field_visitor.h"
#include "site/page_default_texts.h"

namespace quorvex {

COrderFormPage::COrderFormPage() : CFullPage(kOrderFormPageType, 1, kOrderFormPageTexts) {}

void COrderFormPage::serialize(Archive& ar) {
  CFullPage::serialize(ar);
  if (ar.recordVersion(2) == 2) ar.ioInlineList(extraFields);
}

void COrderFormPage::visitFields(FieldVisitor& visitor) {
  CFullPage::visitFields(visitor);
  visitor.field("extraFields", extraFields);
}

}  // namespace quorvex
