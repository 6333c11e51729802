#ifndef QUORVEX_TESTS_UI_SCREENSHOTS_ORDER_COUPON_SHOTS_H_
#define QUORVEX_TESTS_UI_SCREENSHOTS_ORDER_COUPON_SHOTS_H_

#include <QString>
#include <functional>

class QWidget;

namespace quorvex {
struct AppServices;
}  // namespace quorvex

namespace quorvex::ui {

class MainWindow;

// Saves Order And Payment Settings, Coupon Manager and Individual Product
// Pages, opened through `window`'s commands, and the dialogs they open, made
// here on the document and environment of `app`. `expectShown(title, name)`
// arranges that the next window titled `title` is saved as `name` the moment
// it is shown and then closed (cancelled); `capture(widget, name)` shows a
// window made here and saves it.
void captureOrderCouponSteps(
    MainWindow& window, AppServices& app,
    const std::function<void(const QString&, const QString&)>& expectShown,
    const std::function<void(QWidget&, const QString&)>& capture);

}  // namespace quorvex::ui

#endif  // QUORVEX_TESTS_UI_SCREENSHOTS_ORDER_COUPON_SHOTS_H_
