#ifndef QUORVEX_APP_PAYMENT_METHODS_DIALOG_H_
#define QUORVEX_APP_PAYMENT_METHODS_DIALOG_H_

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/dialog_model.h"

namespace quorvex {

class Prompter;

// "Payment Methods": the payment methods the order page offers (Visa, COD,
// ...), edited as a list with a method edit and Add, Change and Remove.
class PaymentMethodsDialog : public DialogModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // Edits a copy of `initialMethods`. `prompter` must outlive the dialog.
  PaymentMethodsDialog(Prompter& prompter, std::vector<std::string> initialMethods);

  std::vector<std::string> methods;
  // The method edit and the selected entry of the list.
  std::string methodText;
  std::optional<size_t> selectedMethod;

  // Selects entry `index` and puts it into the method edit.
  void selectMethod(size_t index);
  // Appends the trimmed method text unless it is empty or already listed
  // in any case.
  void addMethod();
  // Replaces the selected method by the trimmed method text, under the
  // same rules (the selected method may change its case).
  void changeMethod();
  // Removes the selected method.
  void removeMethod();

 private:
  // The trimmed method text when it may be listed instead of the entry
  // `replacing`; nullopt after the message otherwise.
  std::optional<std::string> checkedMethod(std::optional<size_t> replacing);
  bool hasSelection(const char* message);

  Prompter& prompter_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_PAYMENT_METHODS_DIALOG_H_
