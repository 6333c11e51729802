#ifndef QUORVEX_UI_CUSTOMIZE_SITE_VIEW_H_
#define QUORVEX_UI_CUSTOMIZE_SITE_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

class QListWidget;

namespace quorvex {
class CustomizeSiteDialog;
}

namespace quorvex::ui {

// The view of "Customize Site Template": the site's name, the available
// pages and the pages included in the site, with Add (also a double click)
// and Remove between them.
class CustomizeSiteView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  CustomizeSiteView(CustomizeSiteDialog& model, std::function<void()> help, QWidget* parent);

 protected:
  void showModel() override;

 private:
  CustomizeSiteDialog& model_;
  QListWidget* available_;
  QListWidget* included_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_CUSTOMIZE_SITE_VIEW_H_
