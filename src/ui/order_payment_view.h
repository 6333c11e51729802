#ifndef QUORVEX_UI_ORDER_PAYMENT_VIEW_H_
#define QUORVEX_UI_ORDER_PAYMENT_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

namespace quorvex {
class OrderPaymentStep;
}

namespace quorvex::ui {

// The view of "Order And Payment Settings": a button for each e-mail
// editor and one for the payment methods, each opening its dialog.
class OrderPaymentView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  OrderPaymentView(OrderPaymentStep& model, std::function<void()> help, QWidget* parent);
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_ORDER_PAYMENT_VIEW_H_
