#include "app/terms_dialog.h"

#include <utility>

namespace quorvex {

TermsDialog::TermsDialog(std::string text)
    : DialogModel("Terms and Conditions", "TermsAndConditions.html"), text(std::move(text)) {}

}  // namespace quorvex
