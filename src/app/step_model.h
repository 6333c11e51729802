#ifndef QUORVEX_APP_STEP_MODEL_H_
#define QUORVEX_APP_STEP_MODEL_H_

#include "app/dialog_model.h"

namespace quorvex {

// The dialog of a wizard step. It is made on copies of the records the step
// edits; when the dialog ends with OK (its Close, Next and Previous buttons)
// apply() stores the copies back and runs the step's follow-up. Cancel
// stores nothing.
class StepModel : public DialogModel {
 public:
  // The dialog of step `command`, titled as the wizard table names it.
  explicit StepModel(int command);

  // The step's command number.
  int command() const { return command_; }

  // Does what the step does before its dialog opens (loading the product
  // rows, notices). Called once, before the dialog is shown. Returns false,
  // after showing why, when the dialog cannot open: then nothing is applied.
  [[nodiscard]] virtual bool prepare() { return true; }

  // Stores the copies back into the document and runs the follow-up. Called
  // at most once, after the dialog ended with OK, Next or Previous.
  virtual void apply() = 0;

  // Releases what the step loaded for its dialog (the product rows). Called
  // once after the dialog ended, however it ended, and after apply().
  virtual void release() {}

 private:
  int command_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_STEP_MODEL_H_
