#ifndef QUORVEX_UI_HELP_KEY_H_
#define QUORVEX_UI_HELP_KEY_H_

#include <functional>

class QWidget;

namespace quorvex::ui {

// Makes F1 anywhere in the window `window` call `help`, which shows the
// window's help page.
void addHelpKey(QWidget& window, std::function<void()> help);

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_HELP_KEY_H_
