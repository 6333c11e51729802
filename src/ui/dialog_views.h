#ifndef QUORVEX_UI_DIALOG_VIEWS_H_
#define QUORVEX_UI_DIALOG_VIEWS_H_

#include "app/dialog_model.h"

class QWidget;

namespace quorvex {
class CommandDispatcher;
class Prompter;
}  // namespace quorvex

namespace quorvex::ui {

// Shows `model` modally in its view over `parent` and returns how it ended;
// the view's Help button and F1 show the model's help topic through
// `dispatcher`. A model whose view this version of the program does not have
// yet is not shown: the user is told so through `prompter` and the result is
// Cancel, so that nothing changes.
DialogResult showDialogView(DialogModel& model, CommandDispatcher& dispatcher,
                            Prompter& prompter, QWidget* parent);

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_DIALOG_VIEWS_H_
