#ifndef QUORVEX_UI_IMPORT_WIZARD_VIEW_H_
#define QUORVEX_UI_IMPORT_WIZARD_VIEW_H_

#include <QWizard>
#include <functional>

#include "app/dialog_model.h"

namespace quorvex {
class ImportWizardModel;
}

namespace quorvex::ui {

// The view of the "Import Wizard": its three pages (DelimiterPage,
// LabelColumnsPage, CategoryNamesPage) on the model's ImportWizard, with
// Help. Finish ends it with OK, Cancel or Escape with Cancel.
class ImportWizardView : public QWizard {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the wizard.
  ImportWizardView(ImportWizardModel& model, std::function<void()> help, QWidget* parent);

  // Shows the wizard modally and returns how it ended.
  DialogResult run();

  // Finish: closes the wizard when the model agrees.
  void accept() override;

 private:
  ImportWizardModel& model_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_IMPORT_WIZARD_VIEW_H_
