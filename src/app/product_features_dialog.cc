#include "app/product_features_dialog.h"

#include <algorithm>

#include "app/dialog_host.h"
#include "app/product_feature_dialog.h"
#include "platform/prompter.h"
#include "platform/strings.h"
#include "products/extra_fields.h"

namespace quorvex {

ProductFeaturesDialog::ProductFeaturesDialog(DialogHost& host, Prompter& prompter,
                                             const std::vector<CProductFeature>& definitions)
    : DialogModel("Product Features"),
      host_(host),
      prompter_(prompter),
      features_(definitions) {
  for (size_t i = 0; i < definitions.size(); ++i) origins_.emplace_back(i);
}

std::optional<size_t> ProductFeaturesDialog::selected(const char* noneSelected) const {
  if (selectedFeature && *selectedFeature < features_.size()) return selectedFeature;
  prompter_.showMessage(noneSelected);
  return std::nullopt;
}

std::optional<CProductFeature> ProductFeaturesDialog::askFeature(const CProductFeature& feature,
                                                                 std::optional<size_t> self) {
  ProductFeatureDialog dialog(prompter_, feature);
  const bool taken = runUntilTaken(host_, prompter_, dialog, [&] {
    for (size_t i = 0; i < features_.size(); ++i) {
      if (i != self && equalsIgnoreCase(features_[i].name, dialog.feature().name)) {
        return Status::refused("Another product feature is already named \"" +
                               dialog.feature().name + "\".");
      }
    }
    return Status::success();
  });
  if (!taken) return std::nullopt;
  return dialog.feature();
}

void ProductFeaturesDialog::addFeature() {
  std::optional<CProductFeature> feature = askFeature(CProductFeature(), std::nullopt);
  if (!feature) return;
  features_.push_back(std::move(*feature));
  origins_.emplace_back(std::nullopt);
  selectedFeature = features_.size() - 1;
  notifyChanged();
}

void ProductFeaturesDialog::editFeature() {
  const std::optional<size_t> index = selected("Please, select a product feature to edit.");
  if (!index) return;
  std::optional<CProductFeature> feature = askFeature(features_[*index], index);
  if (!feature) return;
  features_[*index] = std::move(*feature);
  notifyChanged();
}

void ProductFeaturesDialog::removeFeature() {
  const std::optional<size_t> index = selected("Please, select a product feature to remove.");
  if (!index) return;
  if (!prompter_.askYesNo("Are you sure you want to remove this product feature?")) return;
  features_.erase(features_.begin() + static_cast<std::ptrdiff_t>(*index));
  origins_.erase(origins_.begin() + static_cast<std::ptrdiff_t>(*index));
  selectedFeature.reset();
  notifyChanged();
}

void ProductFeaturesDialog::applyTo(CExtraFields& table) const {
  for (CExtraItem& row : table.rows) {
    std::vector<CFeatureCheck> selections;
    selections.reserve(features_.size());
    for (size_t i = 0; i < features_.size(); ++i) {
      const CProductFeature& feature = features_[i];
      CFeatureCheck selection(feature.name, 0, {});
      if (origins_[i] && *origins_[i] < row.featureSelections.size()) {
        const CFeatureCheck& before = row.featureSelections[*origins_[i]];
        // The options in the definition's order, as the product file
        // writes them.
        for (const std::string& option : feature.options) {
          if (std::ranges::find(before.selectedOptions, option) != before.selectedOptions.end()) {
            selection.selectedOptions.push_back(option);
          }
        }
        selection.checked = selection.selectedOptions.empty() ? 0 : before.checked;
      }
      selections.push_back(std::move(selection));
    }
    row.featureSelections = std::move(selections);
  }
  table.featureDefinitions = features_;
}

}  // namespace quorvex
