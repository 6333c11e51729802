#ifndef QUORVEX_UI_SHIPPING_TYPE_VIEW_H_
#define QUORVEX_UI_SHIPPING_TYPE_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

class QTableWidget;

namespace quorvex {
class ShippingTypeDialog;
}

namespace quorvex::ui {

// The view of "Shipping Type" (the label and the charge table with Insert,
// Edit and Delete Charge; a double click edits) or, for a flat-rate basis,
// "Flat Rate Shipping" (the label and the flat rate).
class ShippingTypeView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  ShippingTypeView(ShippingTypeDialog& model, std::function<void()> help, QWidget* parent);

 private:
  void showModel() override;

  ShippingTypeDialog& model_;
  // The charge table; none for a flat-rate type.
  QTableWidget* charges_ = nullptr;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_SHIPPING_TYPE_VIEW_H_
