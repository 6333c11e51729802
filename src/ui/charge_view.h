#ifndef QUORVEX_UI_CHARGE_VIEW_H_
#define QUORVEX_UI_CHARGE_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

namespace quorvex {
class ChargeDialog;
}

namespace quorvex::ui {

// The view of "Edit Shipping Charge": the basis, the range's lower bound,
// its upper limit (fixed at "And Up" for the last range) and its charge.
class ChargeView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  ChargeView(ChargeDialog& model, std::function<void()> help, QWidget* parent);
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_CHARGE_VIEW_H_
