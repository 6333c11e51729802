#ifndef QUORVEX_PRODUCTS_FEATURE_CHECK_H_
#define QUORVEX_PRODUCTS_FEATURE_CHECK_H_

#include <cstdint>
#include <string>
#include <vector>

#include "document/check.h"

namespace quorvex {

// One product's choice for one product feature: `label` is the name of the
// feature definition, `checked` is 1 when the feature applies to the product,
// and `selectedOptions` lists the options the product offers. A product row
// keeps one per feature definition, in definition order.
//
// Once the rows have been read back from their file, `checked` is 0 exactly
// when `selectedOptions` is empty; a feature just added with all its options
// chosen may hold options while `checked` is still 0.
class CFeatureCheck : public CCheck {
  QUORVEX_RECORD(CFeatureCheck)

 public:
  // The record version written by serialize().
  static constexpr int32_t kVersion = 2;

  // An unchecked choice without label or options.
  CFeatureCheck() : CCheck("", 0) {}
  CFeatureCheck(std::string featureName, int32_t isChecked, std::vector<std::string> options)
      : CCheck(std::move(featureName), isChecked), selectedOptions(std::move(options)) {}

  // The chosen option names, in the order of the definition's options.
  std::vector<std::string> selectedOptions;

  // Record version 2: label, checked, selectedOptions. Reading takes label and
  // checked whatever the version (version 1 is the plain check) and the
  // options only from version 2; a choice read with `checked` 0 loses its
  // options.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;
};

}  // namespace quorvex

#endif  // QUORVEX_PRODUCTS_FEATURE_CHECK_H_
