#ifndef QUORVEX_TESTS_UI_SCREENSHOTS_FEATURE_SHOTS_H_
#define QUORVEX_TESTS_UI_SCREENSHOTS_FEATURE_SHOTS_H_

#include <QString>
#include <functional>

class QWidget;

namespace quorvex {
class Env;
}  // namespace quorvex

namespace quorvex::ui {

class MainWindow;

// Saves the dialogs of the product features ("Product Features", "Add/Edit
// Product Feature", "Product Feature Flags", "Select Feature Options"),
// "Set All Attributes" and "No Product List Found", made here on `env`
// with `window` as their front end. `expectShown` and `capture` are those
// of captureProductList().
void captureProductFeatures(
    MainWindow& window, const Env& env,
    const std::function<void(const QString&, const QString&)>& expectShown,
    const std::function<void(QWidget&, const QString&)>& capture);

}  // namespace quorvex::ui

#endif  // QUORVEX_TESTS_UI_SCREENSHOTS_FEATURE_SHOTS_H_
