#ifndef QUORVEX_UI_ADDRESS_VIEW_H_
#define QUORVEX_UI_ADDRESS_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

namespace quorvex {
class AddressDialog;
}

namespace quorvex::ui {

// The view of "Add Address": the six lines of a postal address.
class AddressView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  AddressView(AddressDialog& model, std::function<void()> help, QWidget* parent);
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_ADDRESS_VIEW_H_
