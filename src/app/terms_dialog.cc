#include "app/terms_dialog.h"

#include <utility>

namespace quorvex {

TermsDialog::TermsDialog(std::string initial)
    : DialogModel("Terms and Conditions", "TermsAndConditions.html"), text(std::move(initial)) {}

}  // namespace quorvex
