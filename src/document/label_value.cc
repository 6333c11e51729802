#include "document/label_value.h"

#include "document/archive.h"
#include "document/field_visitor.h"

namespace quorvex {

void CLabelValue::serialize(Archive& ar) {
  if (ar.recordVersion(1) != 1) return;
  ar.io(label);
  ar.io(value);
}

void CLabelValue::visitFields(FieldVisitor& visitor) {
  visitor.field("label", label);
  visitor.field("value", value);
}

}  // namespace quorvex
