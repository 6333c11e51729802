#ifndef QUORVEX_TESTS_UI_WIDGET_ACTIONS_H_
#define QUORVEX_TESTS_UI_WIDGET_ACTIONS_H_

#include <QString>
#include <filesystem>
#include <string>
#include <vector>

#include "ui/modal_driver.h"

class QListWidget;
class QWidget;

namespace quorvex::testing {

// What a user does in a window, for the actions of a ModalDriver.

// Clicks the enabled button of `window` whose text is `text` (mnemonic
// included), once the current event has been handled, so that a modal
// window the click opens does not block the caller. Fails the test when
// there is no such button.
void click(QWidget& window, const QString& text);

// Types `text` over the contents of the field that the label `label` of
// `window` names (its buddy), as a user would. Fails the test when there is
// no such field.
void typeInto(QWidget& window, const QString& label, const QString& text);

// Clicks the button `text` that sits beside the field the label `label` of
// `window` names (a button of the field's parent widget, such as its
// "Browse..."). Fails the test when there is no such field or button.
void clickBeside(QWidget& window, const QString& label, const QString& text);

// Types `file` as the name in the file dialog `dialog` and accepts it, as
// a user would: selectFile() would leave a focused name field alone.
void chooseFile(QWidget& dialog, const std::filesystem::path& file);

// Chooses `text` in the drop-down that the label `label` of `window` names,
// as a user would. Fails the test when there is no such drop-down or entry.
void choose(QWidget& window, const QString& label, const QString& text);

// Makes the item reading `text` of the tree in `window` current. Fails the
// test unless exactly one item reads so.
void selectInTree(QWidget& window, const QString& text);

// Selects line `line` of the table view in `window`, as a click on it
// would.
void selectLine(QWidget& window, int line);

// Closes `dialog` as Escape would (Cancel).
void cancel(QWidget& dialog);

// Returns the list of `window` that the label `name` names (its buddy), or
// the one in the group box titled `name`. Fails the test and returns nullptr
// when there is none.
QListWidget* listNamed(QWidget& window, const QString& name);

// Makes the entry `text` of the list listNamed(`window`, `name`) current, as
// a click on it would.
void selectIn(QWidget& window, const QString& name, const QString& text);

// The texts of the list listNamed(`window`, `name`).
std::vector<std::string> entriesOf(QWidget& window, const QString& name);

// Returns the widget that the label `label` of `window` names (its buddy),
// or nullptr when there is none.
QWidget* fieldNamed(QWidget& window, const QString& label);

// True when `window` shows a label whose text is `text`.
bool hasLabel(QWidget& window, const QString& text);

// An action that performs `steps` one per call, in order, and then nothing:
// each step starts at a tick at which its window is the active modal one
// (so a step that opens another window waits for it to close) and runs
// outside the tick, so that the driver answers a message box it opens.
ModalDriver::Action inOrder(std::vector<ModalDriver::Action> steps);

}  // namespace quorvex::testing

#endif  // QUORVEX_TESTS_UI_WIDGET_ACTIONS_H_
