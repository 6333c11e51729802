#ifndef QUORVEX_UI_COUPON_MANAGER_VIEW_H_
#define QUORVEX_UI_COUPON_MANAGER_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

class QTableWidget;

namespace quorvex {
class CouponManagerStep;
}

namespace quorvex::ui {

// The view of "Coupon Manager": the coupons in a grid of the model's
// columns, with Add, Edit (also a double click on a row) and Remove.
class CouponManagerView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  CouponManagerView(CouponManagerStep& model, std::function<void()> help, QWidget* parent);

 private:
  void showModel() override;

  CouponManagerStep& model_;
  QTableWidget* grid_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_COUPON_MANAGER_VIEW_H_
