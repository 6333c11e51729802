#include "app/label_value_dialog.h"

#include <utility>

namespace quorvex {

LabelValueDialog::LabelValueDialog(std::string title, CLabelValue entry)
    : DialogModel(std::move(title)), entry(std::move(entry)) {}

}  // namespace quorvex
