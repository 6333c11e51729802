#ifndef QUORVEX_UI_TAX_SETTINGS_VIEW_H_
#define QUORVEX_UI_TAX_SETTINGS_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

class QTreeWidget;

namespace quorvex {
class TaxStep;
}

namespace quorvex::ui {

// The view of "Tax Settings": the taxes as a tree with one branch per kind,
// and Add, Edit (also a double click) and Delete. Add opens a tax of the
// selected branch's kind.
class TaxSettingsView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  TaxSettingsView(TaxStep& model, std::function<void()> help, QWidget* parent);

 private:
  void showModel() override;
  void selectionChanged();

  TaxStep& model_;
  QTreeWidget* tree_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_TAX_SETTINGS_VIEW_H_
