#ifndef QUORVEX_UI_STYLE_STEP_VIEW_H_
#define QUORVEX_UI_STYLE_STEP_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

class QLabel;
class QListWidget;

namespace quorvex {
class StyleStep;
}

namespace quorvex::ui {

class ButtonSamplesView;

// The view of "Choose A Style For Site": the styles, the selected one's
// preview picture and sample buttons, Customize and Delete.
class StyleStepView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  StyleStepView(StyleStep& model, std::function<void()> help, QWidget* parent);

 protected:
  void showModel() override;

 private:
  StyleStep& model_;
  QListWidget* styles_;
  QLabel* preview_;
  ButtonSamplesView* samples_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_STYLE_STEP_VIEW_H_
