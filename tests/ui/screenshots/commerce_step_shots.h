#ifndef QUORVEX_TESTS_UI_SCREENSHOTS_COMMERCE_STEP_SHOTS_H_
#define QUORVEX_TESTS_UI_SCREENSHOTS_COMMERCE_STEP_SHOTS_H_

#include <QString>
#include <functional>

class QWidget;

namespace quorvex {
class Env;
}  // namespace quorvex

namespace quorvex::ui {

class MainWindow;

// Saves the product, coupon, tax, shipping, order and server steps, opened
// through `window`'s commands, and the dialogs they open, made here on `env`.
// `expectShown(title, name)` arranges that the next window titled `title` is
// saved as `name` the moment it is shown and then closed (cancelled);
// `capture(widget, name)` shows a window made here and saves it.
void captureCommerceSteps(MainWindow& window, const Env& env,
                          const std::function<void(const QString&, const QString&)>& expectShown,
                          const std::function<void(QWidget&, const QString&)>& capture);

}  // namespace quorvex::ui

#endif  // QUORVEX_TESTS_UI_SCREENSHOTS_COMMERCE_STEP_SHOTS_H_
