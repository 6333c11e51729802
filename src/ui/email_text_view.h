#ifndef QUORVEX_UI_EMAIL_TEXT_VIEW_H_
#define QUORVEX_UI_EMAIL_TEXT_VIEW_H_

#include <functional>
#include <vector>

#include "ui/model_dialog.h"

class QListWidget;
class QPlainTextEdit;
class QTabWidget;

namespace quorvex {
class EmailTextDialog;
}

namespace quorvex::ui {

// The view of the e-mail editors ("Merchant Notification Email",
// "Customer Confirmation Email"): the texts, one tab each when there are
// several, beside the field list with "&Insert Field" (also a double click
// on a field) and "&Use Default Text".
class EmailTextView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  EmailTextView(EmailTextDialog& model, std::function<void()> help, QWidget* parent);

 private:
  void showModel() override;
  // Inserts the chosen field at the start of the shown text's selection
  // and puts the caret after it.
  void insertField();

  EmailTextDialog& model_;
  // One editor per page of the model, in its order.
  std::vector<QPlainTextEdit*> editors_;
  QTabWidget* tabs_ = nullptr;
  QListWidget* fields_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_EMAIL_TEXT_VIEW_H_
