#ifndef QUORVEX_PRODUCTS_PRODUCT_FEATURE_H_
#define QUORVEX_PRODUCTS_PRODUCT_FEATURE_H_

#include <cstdint>
#include <string>
#include <vector>

#include "document/record.h"

namespace quorvex {

// A product feature definition (such as a size or a colour) with the options
// a product can offer. Stored inline in the product table.
class CProductFeature : public Record {
  QUORVEX_RECORD(CProductFeature)

 public:
  // The record version written by serialize().
  static constexpr int32_t kVersion = 1;

  CProductFeature() = default;
  CProductFeature(std::string featureName, std::vector<std::string> featureOptions)
      : name(std::move(featureName)), options(std::move(featureOptions)) {}

  std::string name;
  // The option names, in display order.
  std::vector<std::string> options;

  // Record version 1: name, options. Another stored version reads nothing
  // more and keeps the defaults.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;
};

}  // namespace quorvex

#endif  // QUORVEX_PRODUCTS_PRODUCT_FEATURE_H_
