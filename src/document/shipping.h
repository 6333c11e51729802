#ifndef QUORVEX_DOCUMENT_SHIPPING_H_
#define QUORVEX_DOCUMENT_SHIPPING_H_

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/record.h"
#include "document/shipping_type.h"
#include "platform/status.h"

namespace quorvex {

// How shipping is charged: the basis, a handling charge and the shipping
// types with their charge tables. Edited by the Set Shipping step.
class CShipping : public Record {
  QUORVEX_RECORD(CShipping)

 public:
  // The values of `basedOn`, in the order the step's drop-down lists them.
  static constexpr int32_t kSubtotal = 0;
  static constexpr int32_t kWeight = 1;
  static constexpr int32_t kQuantity = 2;
  static constexpr int32_t kFlatRate = 3;

  std::vector<CShippingType> shippingTypes;
  int32_t basedOn = kSubtotal;
  // An amount in the currency of CBusiness.
  std::string handlingCharge = "0";

  // Checks `label` for a shipping type: the type at `edited` when given
  // (which may keep its label as it is), a new type otherwise. Fails with the
  // step's message when another label, or the edited type's own label
  // differing only in case, equals `label` without regard to case.
  Status checkTypeLabel(std::string_view label, std::optional<size_t> edited) const;

  // Schema 2: basedOn, handlingCharge, shippingTypes. Schema 1 holds a
  // flat-rate switch after basedOn; when it is set basedOn reads as
  // kFlatRate. Any other schema fails the read.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;

  bool operator==(const CShipping&) const = default;
};

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_SHIPPING_H_
