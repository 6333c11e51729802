#ifndef QUORVEX_APP_IMPORT_WIZARD_MODEL_H_
#define QUORVEX_APP_IMPORT_WIZARD_MODEL_H_

#include <filesystem>
#include <optional>
#include <string>

#include "app/dialog_model.h"
#include "app/image_file_choice.h"

namespace quorvex {

class DialogHost;
class ImportWizard;

// The "Import Wizard" as a dialog: its three pages ("Choose a Delimiter
// Type", "Label Columns", "Descriptive Category Names") edit the state of an
// ImportWizard that has been started on a file, and call its checks when the
// user leaves a page. Finish ends the dialog with OK; whoever opened it then
// calls ImportWizard::finish().
class ImportWizardModel : public DialogModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // `started` and `host` must outlive the dialog.
  ImportWizardModel(ImportWizard& started, DialogHost& host)
      : DialogModel("Import Wizard"), wizard(started), host_(host) {}

  ImportWizard& wizard;

  // "Image File Path"'s "&Browse...": the pictures' folder chosen in a folder
  // dialog starting at `current`; nullopt when the user cancelled.
  std::optional<std::filesystem::path> browsePictureFolder(const std::string& current) {
    return choosePictureFolder(host_, current);
  }

 private:
  DialogHost& host_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_IMPORT_WIZARD_MODEL_H_
