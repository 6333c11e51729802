#ifndef QUORVEX_UI_EXTRA_FIELDS_VIEW_H_
#define QUORVEX_UI_EXTRA_FIELDS_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

class QListWidget;

namespace quorvex {
class ExtraFieldsDialog;
}

namespace quorvex::ui {

// The view of "Order Form Extra Fields": the extra fields of the order
// form, each shown as its description and identifier, with Add, Edit (also
// a double click) and Remove.
class ExtraFieldsView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  ExtraFieldsView(ExtraFieldsDialog& model, std::function<void()> help, QWidget* parent);

 protected:
  void showModel() override;

 private:
  ExtraFieldsDialog& model_;
  QListWidget* fields_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_EXTRA_FIELDS_VIEW_H_
