#ifndef QUORVEX_APP_IMPORT_WIZARD_MODEL_H_
#define QUORVEX_APP_IMPORT_WIZARD_MODEL_H_

#include "app/dialog_model.h"

namespace quorvex {

class ImportWizard;

// The "Import Wizard" as a dialog: its three pages ("Choose a Delimiter
// Type", "Label Columns", "Descriptive Category Names") edit the state of an
// ImportWizard that has been started on a file, and call its checks when the
// user leaves a page. Finish ends the dialog with OK; whoever opened it then
// calls ImportWizard::finish().
class ImportWizardModel : public DialogModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // `wizard` must outlive the dialog.
  explicit ImportWizardModel(ImportWizard& started)
      : DialogModel("Import Wizard"), wizard(started) {}

  ImportWizard& wizard;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_IMPORT_WIZARD_MODEL_H_
