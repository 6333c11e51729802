#ifndef QUORVEX_APP_COUPON_MANAGER_STEP_H_
#define QUORVEX_APP_COUPON_MANAGER_STEP_H_

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "app/step_model.h"
#include "document/coupon_data.h"

namespace quorvex {

struct AppServices;

// "Coupon Manager": the coupons of the site in a grid, each edited in
// "Coupon Data And Schedule".
class CouponManagerStep : public StepModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // One grid row: the row number (1-based), name, header, description,
  // expiration, and the schedule texts of begin and end.
  using GridRow = std::array<std::string, 7>;

  // Copies the coupon data.
  explicit CouponManagerStep(AppServices& app);

  CCouponData coupons;
  std::optional<size_t> selectedCoupon;

  // The grid's header row.
  static GridRow headerRow();
  // The grid's rows, one per coupon.
  std::vector<GridRow> rows() const;

  // Warns when the program folder has no coupon templates, then lists the
  // coupon styles of the templates folder.
  bool prepare() override;

  // Add: a new coupon in the coupon dialog; a name already in use is
  // refused and the dialog opens again with the entries.
  void addCoupon();
  // Edit: the selected coupon in the coupon dialog, refused in the same way.
  void editCoupon();
  // Remove: the selected coupon, after the user agreed.
  void removeCoupon();

  // Stores the coupons back.
  void apply() override;

 private:
  AppServices& app_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_COUPON_MANAGER_STEP_H_
