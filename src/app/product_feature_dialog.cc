#include "app/product_feature_dialog.h"

#include <algorithm>

#include "platform/prompter.h"
#include "platform/strings.h"
#include "products/product_text.h"

namespace quorvex {

namespace {

constexpr const char* kAlreadyListed = "This feature already includes that value.";

}  // namespace

ProductFeatureDialog::ProductFeatureDialog(Prompter& prompter, const CProductFeature& feature)
    : DialogModel("Add/Edit Product Feature", "ProductFeatures.html"),
      name(feature.name),
      prompter_(prompter),
      feature_(feature) {
  if (!feature.options.empty() && feature.options[0] == kUserInput) {
    customerInput_ = true;
    if (feature.options.size() > 1) textBoxSize = feature.options[1];
  } else {
    values = feature.options;
  }
}

void ProductFeatureDialog::setCustomerInput(bool customerInput) {
  customerInput_ = customerInput;
  if (customerInput) {
    values.clear();
    selectedValue.reset();
  }
  notifyChanged();
}

bool ProductFeatureDialog::refuse(const std::string& message) {
  prompter_.showMessage(message);
  return false;
}

bool ProductFeatureDialog::isListed(const std::string& value) const {
  return std::any_of(values.begin(), values.end(),
                     [&](const std::string& listed) { return equalsIgnoreCase(listed, value); });
}

bool ProductFeatureDialog::checkValueCharacters(const std::string& value) {
  return value.find_first_of(kForbidden) == std::string::npos ||
         refuse("Sorry, product feature values may not include any of these characters:\n" +
                std::string(kForbidden));
}

void ProductFeatureDialog::addValue() {
  const std::string value(trim(valueText));
  if (value.empty()) {
    refuse("Please, enter a value to add.");
  } else if (isListed(value)) {
    refuse(kAlreadyListed);
  } else if (checkValueCharacters(value)) {
    values.push_back(value);
    notifyChanged();
  }
}

void ProductFeatureDialog::changeValue() {
  if (!selectedValue || *selectedValue >= values.size()) {
    refuse("Please, select a value to change.");
  } else if (valueText != values[*selectedValue] && isListed(valueText)) {
    refuse(kAlreadyListed);
  } else if (checkValueCharacters(valueText)) {
    values[*selectedValue] = valueText;
    notifyChanged();
  }
}

void ProductFeatureDialog::removeValue() {
  if (!selectedValue || *selectedValue >= values.size()) {
    refuse("Please, select a value to remove.");
    return;
  }
  values.erase(values.begin() + static_cast<std::ptrdiff_t>(*selectedValue));
  selectedValue.reset();
  notifyChanged();
}

bool ProductFeatureDialog::accept() {
  const std::string trimmedName(trim(name));
  if (trimmedName.empty()) return refuse("Please, add a name for this product feature.");
  if (trimmedName.find_first_of(kForbidden) != std::string::npos) {
    return refuse("Sorry, product feature name may not include any of these characters:\n" +
                  std::string(kForbidden));
  }
  if (!customerInput_ && values.empty()) {
    return refuse("Please, add at least one possible value for this product feature.");
  }
  feature_.name = trimmedName;
  feature_.options = customerInput_ ? std::vector<std::string>{kUserInput, textBoxSize} : values;
  return true;
}

}  // namespace quorvex
