#include "document/check.h"

#include "document/archive.h"
#include "document/field_visitor.h"

namespace quorvex {

void CCheck::serialize(Archive& ar) {
  if (ar.recordVersion(1) != 1) return;
  ar.io(label);
  ar.io(checked);
}

void CCheck::visitFields(FieldVisitor& visitor) {
  visitor.field("label", label);
  visitor.field("checked", checked);
}

}  // namespace quorvex
