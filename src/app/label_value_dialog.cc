#include "app/label_value_dialog.h"

#include <utility>

namespace quorvex {

LabelValueDialog::LabelValueDialog(std::string title, CLabelValue initial)
    : DialogModel(std::move(title)), entry(std::move(initial)) {}

}  // namespace quorvex
