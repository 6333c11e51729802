#include "site/download_page.h"

#include "document/archive.h"
#include "document/field_visitor.h"
#include "site/page_default_texts.h"

namespace quorvex {

CDownloadPage::CDownloadPage() : CFullPage(kDownloadPageType, 1, kDownloadPageTexts) {}

void CDownloadPage::serialize(Archive& ar) {
  CFullPage::serialize(ar);
  if (ar.recordVersion(1) == 1) ar.io(reserved);
}

void CDownloadPage::visitFields(FieldVisitor& visitor) {
  CFullPage::visitFields(visitor);
  visitor.field("reserved", reserved);
}

}  // namespace quorvex
