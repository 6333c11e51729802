#ifndef QUORVEX_UI_SITE_TYPE_STEP_VIEW_H_
#define QUORVEX_UI_SITE_TYPE_STEP_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace quorvex {
class SiteTypeStep;
}

namespace quorvex::ui {

// The view of "Select Type Of Site": the site templates, the selected one's
// description and pages, and Customize, Delete and Current Site Location.
class SiteTypeStepView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  SiteTypeStepView(SiteTypeStep& model, std::function<void()> help, QWidget* parent);

 protected:
  void showModel() override;

 private:
  SiteTypeStep& model_;
  QListWidget* templates_;
  QLabel* description_;
  QListWidget* pages_;
  QPushButton* location_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_SITE_TYPE_STEP_VIEW_H_
