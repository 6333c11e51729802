#include "site/prod_half_pages.h"

#include "document/archive.h"
#include "document/field_visitor.h"

namespace quorvex {

CProdHalfPages::CProdHalfPages() { linkFont = arialFont(80, 0); }

CProdHalfPages::CProdHalfPages(const SubPageDefaults& defaults) : CProdHalfPages() {
  label = defaults.label;
  header = defaults.header;
  bodyText = defaults.bodyText;
  templateFile = defaults.templateFile;
}

void CProdHalfPages::serialize(Archive& ar) {
  CPage::serialize(ar);
  const int32_t version = ar.recordVersion(6);
  if (version < 1 || version > 6) return;
  ar.io(header);
  ar.io(bodyText);
  if (version >= 2) ioAppearance(ar);
  if (version >= 3) {
    headerFont.serialize(ar);
    bodyFont.serialize(ar);
  }
  if (version >= 4) linkFont.serialize(ar);
  if (version >= 5) ar.io(linksEnabled);
  if (version <= 2) clearLinks();
}

void CProdHalfPages::visitFields(FieldVisitor& visitor) {
  CPage::visitFields(visitor);
  visitor.field("header", header);
  visitor.field("bodyText", bodyText);
  visitAppearance(visitor);
  visitor.field("headerFont", headerFont);
  visitor.field("bodyFont", bodyFont);
  visitor.field("linkFont", linkFont);
  visitor.field("linksEnabled", linksEnabled);
}

}  // namespace quorvex
