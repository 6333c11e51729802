#ifndef QUORVEX_UI_LABEL_VALUE_VIEW_H_
#define QUORVEX_UI_LABEL_VALUE_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

namespace quorvex {
class LabelValueDialog;
}

namespace quorvex::ui {

// The view of "Add Email" and "Add Phone": a label and an e-mail address or a number.
class LabelValueView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  LabelValueView(LabelValueDialog& model, std::function<void()> help, QWidget* parent);
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_LABEL_VALUE_VIEW_H_
