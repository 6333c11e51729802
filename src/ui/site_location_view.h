#ifndef QUORVEX_UI_SITE_LOCATION_VIEW_H_
#define QUORVEX_UI_SITE_LOCATION_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

class QLineEdit;

namespace quorvex {
class SiteLocationDialog;
}

namespace quorvex::ui {

// The view of "Current Site Location": the index page of the existing site and the name it is kept under.
class SiteLocationView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  SiteLocationView(SiteLocationDialog& model, std::function<void()> help, QWidget* parent);

 protected:
  void showModel() override;

 private:
  SiteLocationDialog& model_;
  QLineEdit* indexPath_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_SITE_LOCATION_VIEW_H_
