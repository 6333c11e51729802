#include "site/spec_category_page.h"

#include "document/archive.h"
#include "document/field_visitor.h"
#include "site/page_default_texts.h"

namespace quorvex {

CSpecCategoryPage::CSpecCategoryPage()
    : CFullPage(kSpecCategoryPageType, 1, kSpecCategoryPageTexts) {}

void CSpecCategoryPage::serialize(Archive& ar) {
  CFullPage::serialize(ar);
  if (ar.recordVersion(1) == 1) ar.io(whichCategory);
}

void CSpecCategoryPage::visitFields(FieldVisitor& visitor) {
  CFullPage::visitFields(visitor);
  visitor.field("whichCategory", whichCategory);
}

}  // namespace quorvex
