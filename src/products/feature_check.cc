#include "products/feature_check.h"

#include "document/archive.h"
#include "document/field_visitor.h"

namespace quorvex {

void CFeatureCheck::serialize(Archive& ar) {
  const int32_t version = ar.recordVersion(kVersion);
  ar.io(label);
  ar.io(checked);
  if (version == kVersion) ar.ioStringList(selectedOptions);
  if (ar.isLoading() && checked == 0) selectedOptions.clear();
}

void CFeatureCheck::visitFields(FieldVisitor& visitor) {
  CCheck::visitFields(visitor);
  visitor.field("selectedOptions", selectedOptions);
}

}  // namespace quorvex
