#ifndef QUORVEX_APP_ADDRESS_DIALOG_H_
#define QUORVEX_APP_ADDRESS_DIALOG_H_

#include "app/dialog_model.h"
#include "document/address.h"

namespace quorvex {

class Prompter;

// "Add Address": the six lines of a new postal address.
class AddressDialog : public DialogModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // `prompter` must outlive the dialog.
  explicit AddressDialog(Prompter& prompter);

  CAddress address;

  // Requires a first line.
  bool accept() override;

 private:
  Prompter& prompter_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_ADDRESS_DIALOG_H_
