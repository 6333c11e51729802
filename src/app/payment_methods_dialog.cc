#include "app/payment_methods_dialog.h"

#include <utility>

#include "platform/prompter.h"
#include "platform/strings.h"

namespace quorvex {

PaymentMethodsDialog::PaymentMethodsDialog(Prompter& prompter,
                                           std::vector<std::string> initialMethods)
    : DialogModel("Payment Methods"), methods(std::move(initialMethods)), prompter_(prompter) {}

std::optional<std::string> PaymentMethodsDialog::checkedMethod(std::optional<size_t> replacing) {
  std::string method(trim(methodText));
  if (method.empty()) {
    prompter_.showMessage("Please, enter a payment method.");
    return std::nullopt;
  }
  for (size_t i = 0; i < methods.size(); ++i) {
    if (i != replacing && equalsIgnoreCase(methods[i], method)) {
      prompter_.showMessage("This payment method is already listed.");
      return std::nullopt;
    }
  }
  return method;
}

bool PaymentMethodsDialog::hasSelection(const char* message) {
  if (selectedMethod && *selectedMethod < methods.size()) return true;
  prompter_.showMessage(message);
  return false;
}

void PaymentMethodsDialog::selectMethod(size_t index) {
  selectedMethod = index;
  methodText = methods.at(index);
  notifyChanged();
}

void PaymentMethodsDialog::addMethod() {
  std::optional<std::string> method = checkedMethod(std::nullopt);
  if (!method) return;
  methods.push_back(std::move(*method));
  selectedMethod = methods.size() - 1;
  notifyChanged();
}

void PaymentMethodsDialog::changeMethod() {
  if (!hasSelection("Please, select a payment method to change.")) return;
  std::optional<std::string> method = checkedMethod(selectedMethod);
  if (!method) return;
  methods[*selectedMethod] = std::move(*method);
  notifyChanged();
}

void PaymentMethodsDialog::removeMethod() {
  if (!hasSelection("Please, select a payment method to remove.")) return;
  methods.erase(methods.begin() + static_cast<std::ptrdiff_t>(*selectedMethod));
  selectedMethod.reset();
  notifyChanged();
}

}  // namespace quorvex
