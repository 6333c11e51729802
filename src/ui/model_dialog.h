#ifndef QUORVEX_UI_MODEL_DIALOG_H_
#define QUORVEX_UI_MODEL_DIALOG_H_

#include <QDialog>
#include <functional>

#include "app/dialog_model.h"

class QVBoxLayout;

namespace quorvex::ui {

// The frame every view of a dialog model shares: the model's title, the
// row of buttons that end the dialog, Help (also F1), and the model's
// change notifications, after each of which the view shows the model again.
// A view fills body() with its widgets, binds them to the model's values
// and leaves every rule to the model: the buttons that end the dialog with
// OK, Next or Previous close it only when model.accept() agrees.
class ModelDialog : public QDialog {
  Q_OBJECT

 public:
  // The buttons along the bottom of the dialog.
  enum class Buttons {
    // "OK", "Cancel" and "&Help".
    kOkCancel,
    // A wizard step: "<< &Previous", "&Next >>", "&Close" (all three end it
    // with OK) and "&Help"; Escape or the close box cancels.
    kStep,
    // The first wizard step, which has no "<< &Previous".
    kFirstStep,
  };

  // `model` and `help` must outlive the dialog.
  ModelDialog(DialogModel& model, Buttons buttons, std::function<void()> help, QWidget* parent);
  ~ModelDialog() override;

  // Shows the dialog modally and returns how it ended.
  DialogResult run();

 protected:
  // The layout above the buttons, which the view fills.
  QVBoxLayout* body() const { return body_; }

  // Shows the model's values again after the model announced a change.
  virtual void showModel() {}
  // Called when model.accept() kept the dialog open (the model has said
  // why); a view may move the focus to the field at fault.
  virtual void refused() {}

 private:
  void end(DialogResult result);

  DialogModel& model_;
  ChangeNotifier::SubscriptionId subscription_;
  QVBoxLayout* body_;
  DialogResult result_ = DialogResult::kCancel;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_MODEL_DIALOG_H_
