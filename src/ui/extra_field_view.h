#ifndef QUORVEX_UI_EXTRA_FIELD_VIEW_H_
#define QUORVEX_UI_EXTRA_FIELD_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

namespace quorvex {
class ExtraFieldDialog;
}

namespace quorvex::ui {

// The view of "Add/Edit Extra Field": the four entries of one extra order field.
class ExtraFieldView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  ExtraFieldView(ExtraFieldDialog& model, std::function<void()> help, QWidget* parent);
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_EXTRA_FIELD_VIEW_H_
