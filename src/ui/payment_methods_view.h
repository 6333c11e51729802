#ifndef QUORVEX_UI_PAYMENT_METHODS_VIEW_H_
#define QUORVEX_UI_PAYMENT_METHODS_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

class QLineEdit;
class QListWidget;

namespace quorvex {
class PaymentMethodsDialog;
}

namespace quorvex::ui {

// The view of "Payment Methods": the list of methods, the method edit
// (which shows the method selected in the list) and Add, Change, Remove.
class PaymentMethodsView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  PaymentMethodsView(PaymentMethodsDialog& model, std::function<void()> help, QWidget* parent);

 private:
  void showModel() override;

  PaymentMethodsDialog& model_;
  QListWidget* methods_;
  QLineEdit* method_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_PAYMENT_METHODS_VIEW_H_
