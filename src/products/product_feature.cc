#include "products/product_feature.h"

#include "document/archive.h"
#include "document/field_visitor.h"

namespace quorvex {

void CProductFeature::serialize(Archive& ar) {
  if (ar.recordVersion(kVersion) != kVersion) return;
  ar.io(name);
  ar.ioStringList(options);
}

void CProductFeature::visitFields(FieldVisitor& visitor) {
  visitor.field("name", name);
  visitor.field("options", options);
}

}  // namespace quorvex
