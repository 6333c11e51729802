#ifndef QUORVEX_APP_FEATURE_FLAGS_DIALOG_H_
#define QUORVEX_APP_FEATURE_FLAGS_DIALOG_H_

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/dialog_model.h"
#include "products/feature_check.h"
#include "products/product_feature.h"

namespace quorvex {

class DialogHost;
class Prompter;

// "Product Feature Flags": which features one product has and which of each
// feature's options it offers, edited on a copy of the product row's
// choices.
class FeatureFlagsDialog : public DialogModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // Lists a copy of `choices`, one entry per feature choice of the row, with
  // the feature definitions `definitions`. Everything must outlive the
  // dialog.
  FeatureFlagsDialog(DialogHost& host, Prompter& prompter,
                     const std::vector<CProductFeature>& definitions,
                     const std::vector<CFeatureCheck>& choices);

  // The entries: label, tick (checked) and chosen options.
  std::vector<CFeatureCheck> entries;
  std::optional<size_t> selectedEntry;

  // Ticks or clears entry `index`: a tick on an entry without options
  // chooses all of the definition's options; clearing empties them.
  void setChecked(size_t index, bool checked);

  // Opens "Select Feature Options" for the selected entry; its OK makes the
  // checked options the choice, and the entry is ticked exactly when at
  // least one option is chosen.
  void selectOptions();

  // Gives each of `choices` with an entry's label that entry's tick and
  // options (the dialog's OK).
  void applyTo(std::vector<CFeatureCheck>& choices) const;

 private:
  // The options of the definition named `label`; empty when there is none.
  std::vector<std::string> definitionOptions(const std::string& label) const;

  DialogHost& host_;
  Prompter& prompter_;
  const std::vector<CProductFeature>& definitions_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_FEATURE_FLAGS_DIALOG_H_
