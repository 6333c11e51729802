#include "document/business.h"

#include "document/archive.h"
#include "document/field_visitor.h"

namespace quorvex {

void CBusiness::serialize(Archive& ar) {
  const uint16_t schema = ar.schema();
  if (schema != 1 && schema != 2) {
    ar.fail("CBusiness schema 1 or 2");
    return;
  }
  ar.io(keywords);
  ar.io(description);
  ar.io(termsText);
  ar.io(currencySymbol);
  ar.io(copyrightText);
  ar.io(reserved);
  ar.io(makeTermsPage);
  if (schema == 2) {
    ar.io(resizeLogo);
    ar.io(logoWidth);
    ar.io(logoPath);
  } else {
    // Schema 1 predates the logo settings.
    resizeLogo = 1;
    logoWidth = 200;
    logoPath.clear();
  }
}

void CBusiness::visitFields(FieldVisitor& visitor) {
  visitor.field("keywords", keywords);
  visitor.field("description", description);
  visitor.field("termsText", termsText);
  visitor.field("currencySymbol", currencySymbol);
  visitor.field("copyrightText", copyrightText);
  visitor.field("reserved", reserved);
  visitor.field("makeTermsPage", makeTermsPage);
  visitor.field("resizeLogo", resizeLogo);
  visitor.field("logoWidth", logoWidth);
  visitor.field("logoPath", logoPath);
}

}  // namespace quorvex
