#ifndef QUORVEX_UI_TERMS_VIEW_H_
#define QUORVEX_UI_TERMS_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

namespace quorvex {
class TermsDialog;
}

namespace quorvex::ui {

// The view of "Terms and Conditions": the text of the terms and conditions page.
class TermsView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  TermsView(TermsDialog& model, std::function<void()> help, QWidget* parent);
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_TERMS_VIEW_H_
