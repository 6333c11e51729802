#include "products/product_classes.h"

#include "document/class_registry.h"
#include "products/dbase.h"
#include "products/extra_fields.h"
#include "products/extra_item.h"
#include "products/feature_check.h"
#include "products/product_feature.h"

namespace quorvex {

void registerProductClasses(ClassRegistry& registry) {
  registry.add<CExtraFields>(CExtraFields::kSchema, true);
  registry.add<CExtraItem>(CExtraItem::kVersion, true);
  registry.add<CDBase>(CDBase::kSchema, true);
  registry.add<CFeatureCheck>(CFeatureCheck::kVersion, true, "CCheck");
  // Never tagged: stored only inside the product table.
  registry.add<CProductFeature>(CProductFeature::kVersion, false);
}

}  // namespace quorvex
