#ifndef QUORVEX_UI_BUSINESS_STEP_VIEW_H_
#define QUORVEX_UI_BUSINESS_STEP_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace quorvex {
class BusinessStep;
}

namespace quorvex::ui {

// The view of "Business Information": the buttons of the search-engine
// texts and the terms and conditions, the currency symbol, the copyright
// line and the logo with its output size and a preview.
class BusinessStepView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  BusinessStepView(BusinessStep& model, std::function<void()> help, QWidget* parent);

 protected:
  void showModel() override;

 private:
  // Shows the logo as the site will: at its output width when it is
  // resized, never wider than the preview's room.
  void showPreview();

  BusinessStep& model_;
  QCheckBox* makeTermsPage_;
  QLineEdit* logoPath_;
  QLabel* preview_;
  QLabel* caption_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_BUSINESS_STEP_VIEW_H_
