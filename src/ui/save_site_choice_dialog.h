#ifndef QUORVEX_UI_SAVE_SITE_CHOICE_DIALOG_H_
#define QUORVEX_UI_SAVE_SITE_CHOICE_DIALOG_H_

#include <QDialog>
#include <functional>

#include "app/dialog_model.h"

class QCheckBox;
class QRadioButton;

namespace quorvex {
class SaveSiteDialog;
}

namespace quorvex::ui {

// The view of "Save Web Site Locally": build and publish, or build locally
// only and perhaps view the site; "&Finish", "<< &Previous", "&Close" and
// "&Help" (also F1).
class SaveSiteChoiceDialog : public QDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  SaveSiteChoiceDialog(SaveSiteDialog& model, std::function<void()> help, QWidget* parent);

  // Shows the dialog modally; the model holds the choice when it ends with
  // OK or Previous.
  DialogResult run();

 private:
  void end(DialogResult result);

  SaveSiteDialog& model_;
  QRadioButton* publish_;
  QRadioButton* localOnly_;
  QCheckBox* viewSite_;
  DialogResult result_ = DialogResult::kCancel;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_SAVE_SITE_CHOICE_DIALOG_H_
