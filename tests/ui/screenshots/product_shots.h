#ifndef QUORVEX_TESTS_UI_SCREENSHOTS_PRODUCT_SHOTS_H_
#define QUORVEX_TESTS_UI_SCREENSHOTS_PRODUCT_SHOTS_H_

#include <QString>
#include <functional>

class QWidget;

namespace quorvex {
class CExtraFields;
class Env;
}  // namespace quorvex

namespace quorvex::ui {

class MainWindow;

// Saves the step "Create Or Import Product List", opened through `window`'s
// command, and the dialogs it opens, made here on `env` and a copy of the
// document's product table `documentTable` with its rows read.
// `expectShown(title, name)` arranges that the next window titled `title` is
// saved as `name` the moment it is shown and then closed (cancelled);
// `capture(widget, name)` shows a window made here and saves it.
void captureProductList(MainWindow& window, const Env& env, const CExtraFields& documentTable,
                        const std::function<void(const QString&, const QString&)>& expectShown,
                        const std::function<void(QWidget&, const QString&)>& capture);

}  // namespace quorvex::ui

#endif  // QUORVEX_TESTS_UI_SCREENSHOTS_PRODUCT_SHOTS_H_
