#include "document/shipping.h"

#include "document/archive.h"
#include "document/field_visitor.h"
#include "platform/strings.h"

namespace quorvex {

Status CShipping::checkTypeLabel(std::string_view label, std::optional<size_t> edited) const {
  if (edited && *edited < shippingTypes.size() && shippingTypes[*edited].label == label) {
    return Status::success();
  }
  for (const CShippingType& type : shippingTypes) {
    if (equalsIgnoreCase(type.label, label)) {
      return Status::invalidArgument(
          "A '" + std::string(label) +
          "' shipping label already exists.  Please choose a new name or "
          "edit that shipping label instead.");
    }
  }
  return Status::success();
}

void CShipping::serialize(Archive& ar) {
  const uint16_t schema = ar.schema();
  if (schema != 1 && schema != 2) {
    ar.fail("CShipping schema 1 or 2");
    return;
  }
  ar.io(basedOn);
  if (schema == 1) {
    int32_t flatRateSwitch = 0;
    ar.io(flatRateSwitch);
    if (flatRateSwitch != 0) basedOn = kFlatRate;
  }
  ar.io(handlingCharge);
  ar.ioInlineList(shippingTypes);
}

void CShipping::visitFields(FieldVisitor& visitor) {
  visitor.field("basedOn", basedOn);
  visitor.field("handlingCharge", handlingCharge);
  visitor.field("shippingTypes", shippingTypes);
}

}  // namespace quorvex
