#ifndef QUORVEX_UI_COUPON_DIALOG_VIEW_H_
#define QUORVEX_UI_COUPON_DIALOG_VIEW_H_

#include <functional>
#include <vector>

#include "ui/model_dialog.h"

class QLabel;
class QWidget;

namespace quorvex {
class CouponDialog;
}

namespace quorvex::ui {

// The view of "Coupon Data And Schedule": the coupon's texts, its schedule
// format with the Begin and End controls that format uses, and the template
// style with the style's preview picture.
class CouponDialogView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  CouponDialogView(CouponDialog& model, std::function<void()> help, QWidget* parent);

 private:
  // The schedule group: the format buttons, then the Begin and End rows.
  QWidget* scheduleGroup();
  // Shows the Begin and End controls the chosen format uses.
  void showScheduleControls();
  void showPreview();

  CouponDialog& model_;
  // The weekday, month, date and year controls of both rows, in that order
  // (begin first within each kind).
  std::vector<QWidget*> weekdays_;
  std::vector<QWidget*> months_;
  std::vector<QWidget*> dates_;
  std::vector<QWidget*> years_;
  QLabel* preview_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_COUPON_DIALOG_VIEW_H_
