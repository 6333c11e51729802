#ifndef QUORVEX_UI_SHIPPING_VIEW_H_
#define QUORVEX_UI_SHIPPING_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

class QComboBox;
class QListWidget;

namespace quorvex {
class ShippingStep;
}

namespace quorvex::ui {

// The view of "Set Shipping": the basis of the charges, the handling charge
// and the shipping types by label, with Add, Edit (also a double click) and
// Delete.
class ShippingView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  ShippingView(ShippingStep& model, std::function<void()> help, QWidget* parent);

 private:
  void showModel() override;

  ShippingStep& model_;
  QComboBox* basedOn_;
  QListWidget* types_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_SHIPPING_VIEW_H_
