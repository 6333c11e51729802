#include "app/charge_dialog.h"

#include <utility>

#include "document/shipping_type.h"
#include "platform/prompter.h"

namespace quorvex {

ChargeDialog::ChargeDialog(Prompter& prompter, const CShippingType& type, size_t following,
                           std::string basisName, std::string lowerBound, bool andUp,
                           std::string currencySymbol)
    : DialogModel("Edit Shipping Charge"),
      limit(andUp ? CShippingType::kAndUp : ""),
      prompter_(prompter),
      type_(type),
      following_(following),
      basisName_(std::move(basisName)),
      lowerBound_(std::move(lowerBound)),
      andUp_(andUp),
      currencySymbol_(std::move(currencySymbol)) {}

std::string ChargeDialog::basisText() const { return "Shipping Based On " + basisName_; }

bool ChargeDialog::accept() {
  if (charge.empty()) {
    prompter_.showMessage("Please, enter a charge.");
    return false;
  }
  if (andUp_) return true;
  if (limit.empty()) {
    prompter_.showMessage("Please, enter an upper limit for this shipping charge.");
    return false;
  }
  return !type_.overlapsRangeAt(following_, limit) ||
         prompter_.askYesNo(
             "The limit you have entered is greater than one or more of the next price ranges.\n"
             "Continuing will replace the overlapped price range(s) with this one.\n"
             "Would you like to continue?");
}

}  // namespace quorvex
