#include "app/feature_options_dialog.h"

#include <algorithm>
#include <utility>

namespace quorvex {

FeatureOptionsDialog::FeatureOptionsDialog(std::vector<std::string> options,
                                           const std::vector<std::string>& chosen)
    : DialogModel("Select Feature Options"), options_(std::move(options)) {
  for (const std::string& option : options_) {
    checked.push_back(std::find(chosen.begin(), chosen.end(), option) != chosen.end());
  }
}

std::vector<std::string> FeatureOptionsDialog::chosenOptions() const {
  std::vector<std::string> chosen;
  for (size_t i = 0; i < options_.size() && i < checked.size(); ++i) {
    if (checked[i]) chosen.push_back(options_[i]);
  }
  return chosen;
}

}  // namespace quorvex
