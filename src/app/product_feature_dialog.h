#ifndef QUORVEX_APP_PRODUCT_FEATURE_DIALOG_H_
#define QUORVEX_APP_PRODUCT_FEATURE_DIALOG_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/dialog_model.h"
#include "products/product_feature.h"

namespace quorvex {

class Prompter;

// "Add/Edit Product Feature": a feature definition's name and its possible
// values, or, for a customer input feature, the size of the text box the
// customer types into.
class ProductFeatureDialog : public DialogModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // The characters a feature name or value may not hold.
  static constexpr std::string_view kForbidden = "\\;'`?|";
  // The first option of a customer input feature; the second is the size.
  static constexpr const char* kUserInput = "User Input";

  // Edits `feature` (a new one is empty); a feature whose first option is
  // "User Input" opens as a customer input feature. `prompter` must outlive
  // the dialog.
  ProductFeatureDialog(Prompter& prompter, const CProductFeature& feature);

  std::string name;
  std::string textBoxSize;
  std::vector<std::string> values;
  // The value edit and the selected value of the list.
  std::string valueText;
  std::optional<size_t> selectedValue;

  bool customerInput() const { return customerInput_; }
  // Checking the box empties the value list.
  void setCustomerInput(bool customerInput);
  // The value controls are enabled only for a feature with values, the text
  // box size only for a customer input feature.
  bool valueControlsEnabled() const { return !customerInput_; }
  bool textBoxSizeEnabled() const { return customerInput_; }

  // Appends the trimmed value text unless it is empty, already listed (in
  // any case) or holds a forbidden character.
  void addValue();
  // Replaces the selected value by the value text unless another value (or
  // the selected one, in another case) already reads so, or it holds a
  // forbidden character.
  void changeValue();
  // Removes the selected value.
  void removeValue();

  // Requires a name free of forbidden characters and, unless the feature
  // takes customer input, at least one value; then sets the feature.
  bool accept() override;

  // The feature as edited (set by a successful accept()).
  const CProductFeature& feature() const { return feature_; }

 private:
  bool refuse(const std::string& message);
  bool isListed(const std::string& value) const;
  bool checkValueCharacters(const std::string& value);

  Prompter& prompter_;
  bool customerInput_ = false;
  CProductFeature feature_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_PRODUCT_FEATURE_DIALOG_H_
