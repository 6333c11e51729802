#include "app/set_all_attributes_dialog.h"

#include "app/dialog_host.h"
#include "app/feature_flags_dialog.h"
#include "platform/prompter.h"

namespace quorvex {

SetAllAttributesDialog::SetAllAttributesDialog(DialogHost& host, Prompter& prompter,
                                               const std::vector<CProductFeature>& definitions,
                                               const CExtraItem& row,
                                               std::function<bool(int32_t column)> locked,
                                               PathChooser choosePicture)
    : DialogModel("Set All Attributes", "AllAttributes.html"),
      values(row),
      host_(host),
      prompter_(prompter),
      definitions_(definitions),
      locked_(std::move(locked)),
      choosePicture_(std::move(choosePicture)) {}

void SetAllAttributesDialog::chooseFeatures() {
  if (definitions_.empty()) {
    prompter_.showMessage(
        "You have no product features to select.  Please add one or more before doing this.");
    return;
  }
  FeatureFlagsDialog flags(host_, prompter_, definitions_, values.featureSelections);
  if (host_.runDialog(flags) == DialogResult::kCancel) return;
  flags.applyTo(values.featureSelections);
  notifyChanged();
}

std::string SetAllAttributesDialog::featureSummary() const {
  std::string summary;
  for (const CFeatureCheck& choice : values.featureSelections) {
    if (!choice.checked && choice.selectedOptions.empty()) continue;
    if (!summary.empty()) summary += "; ";
    summary += choice.label + " (";
    for (size_t i = 0; i < choice.selectedOptions.size(); ++i) {
      summary += (i ? ", " : "") + choice.selectedOptions[i];
    }
    summary += ")";
  }
  return summary;
}

}  // namespace quorvex
