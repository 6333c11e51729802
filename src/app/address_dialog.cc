#include "app/address_dialog.h"

#include "platform/prompter.h"

namespace quorvex {

AddressDialog::AddressDialog(Prompter& prompter)
    : DialogModel("Add Address"), prompter_(prompter) {}

bool AddressDialog::accept() {
  if (!address.line1.empty()) return true;
  prompter_.showMessage("I'm sorry, but you fill in the first line of the Address field.");
  return false;
}

}  // namespace quorvex
