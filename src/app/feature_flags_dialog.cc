#include "app/feature_flags_dialog.h"

#include "app/dialog_host.h"
#include "app/feature_options_dialog.h"
#include "platform/prompter.h"

namespace quorvex {

FeatureFlagsDialog::FeatureFlagsDialog(DialogHost& host, Prompter& prompter,
                                       const std::vector<CProductFeature>& definitions,
                                       const std::vector<CFeatureCheck>& choices)
    : DialogModel("Product Feature Flags"),
      entries(choices),
      host_(host),
      prompter_(prompter),
      definitions_(definitions) {}

std::vector<std::string> FeatureFlagsDialog::definitionOptions(const std::string& label) const {
  for (const CProductFeature& definition : definitions_) {
    if (definition.name == label) return definition.options;
  }
  return {};
}

void FeatureFlagsDialog::setChecked(size_t index, bool checked) {
  if (index >= entries.size()) return;
  CFeatureCheck& entry = entries[index];
  entry.checked = checked ? 1 : 0;
  if (!checked) {
    entry.selectedOptions.clear();
  } else if (entry.selectedOptions.empty()) {
    entry.selectedOptions = definitionOptions(entry.label);
  }
}

void FeatureFlagsDialog::selectOptions() {
  if (!selectedEntry || *selectedEntry >= entries.size()) {
    prompter_.showMessage("Please, select a feature to edit the values for.");
    return;
  }
  CFeatureCheck& entry = entries[*selectedEntry];
  FeatureOptionsDialog dialog(definitionOptions(entry.label), entry.selectedOptions);
  if (host_.runDialog(dialog) == DialogResult::kCancel) return;
  entry.selectedOptions = dialog.chosenOptions();
  entry.checked = entry.selectedOptions.empty() ? 0 : 1;
}

void FeatureFlagsDialog::applyTo(std::vector<CFeatureCheck>& choices) const {
  for (const CFeatureCheck& entry : entries) {
    for (CFeatureCheck& choice : choices) {
      if (choice.label != entry.label) continue;
      choice.checked = entry.checked;
      choice.selectedOptions = entry.selectedOptions;
    }
  }
}

}  // namespace quorvex
