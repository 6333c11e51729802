#include "document/address.h"

#include "document/archive.h"
#include "document/field_visitor.h"

namespace quorvex {

void CAddress::serialize(Archive& ar) {
  if (ar.recordVersion(1) != 1) return;
  ar.io(line1);
  ar.io(line2);
  ar.io(city);
  ar.io(stateProvince);
  ar.io(zipPostal);
  ar.io(country);
}

void CAddress::visitFields(FieldVisitor& visitor) {
  visitor.field("line1", line1);
  visitor.field("line2", line2);
  visitor.field("city", city);
  visitor.field("stateProvince", stateProvince);
  visitor.field("zipPostal", zipPostal);
  visitor.field("country", country);
}

}  // namespace quorvex
