#include "site/contact_page.h"

#include "document/archive.h"
#include "document/field_visitor.h"
#include "site/page_default_texts.h"

namespace quorvex {

CContactPage::CContactPage() : CFullPage(kContactPageType, 1, kContactPageTexts) {}

void CContactPage::serialize(Archive& ar) {
  CFullPage::serialize(ar);
  if (ar.recordVersion(1) == 1) contactChecks.serialize(ar);
}

void CContactPage::visitFields(FieldVisitor& visitor) {
  CFullPage::visitFields(visitor);
  visitor.field("contactChecks", contactChecks);
}

}  // namespace quorvex
