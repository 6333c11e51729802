#ifndef QUORVEX_APP_FEATURE_OPTIONS_DIALOG_H_
#define QUORVEX_APP_FEATURE_OPTIONS_DIALOG_H_

#include <string>
#include <vector>

#include "app/dialog_model.h"

namespace quorvex {

// "Select Feature Options": the options of a feature definition, each with
// a check, for the options one product offers.
class FeatureOptionsDialog : public DialogModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // Lists `options` (the definition's, in its order), each checked when it
  // is among `chosen` (exact comparison).
  FeatureOptionsDialog(std::vector<std::string> options, const std::vector<std::string>& chosen);

  const std::vector<std::string>& options() const { return options_; }
  // One check per option, in the same order.
  std::vector<bool> checked;

  // The checked options, in the definition's order.
  std::vector<std::string> chosenOptions() const;

 private:
  std::vector<std::string> options_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_FEATURE_OPTIONS_DIALOG_H_
