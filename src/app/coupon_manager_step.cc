#include "app/coupon_manager_step.h"

#include "app/app_services.h"
#include "app/clock.h"
#include "app/command_ids.h"
#include "app/coupon_dialog.h"
#include "app/front_end.h"
#include "company/brenquil_doc.h"
#include "platform/env.h"

namespace quorvex {

namespace {

constexpr const char* kNameInUse =
    "The Coupon Name you specified is already in use by another coupon.";

}  // namespace

CouponManagerStep::CouponManagerStep(AppServices& app)
    : StepModel(kCmdCouponManager), coupons(*app.doc.m_pCouponData), app_(app) {}

CouponManagerStep::GridRow CouponManagerStep::headerRow() {
  return {"", "Name", "Header", "Description", "Expiration", "Beginning Date", "End Date"};
}

std::vector<CouponManagerStep::GridRow> CouponManagerStep::rows() const {
  std::vector<GridRow> grid;
  for (size_t i = 0; i < coupons.count(); ++i) {
    const CCoupon& coupon = coupons.coupons[i];
    grid.push_back({std::to_string(i + 1), coupon.couponName, coupon.couponHeader,
                    coupon.couponText, coupon.couponExpiration, coupon.beginText(),
                    coupon.endText()});
  }
  return grid;
}

bool CouponManagerStep::prepare() {
  if (!CCouponData::hasCouponTemplates(app_.env.home())) {
    app_.env.prompter().showMessage(
        "Warning: Quorvex was not able to find any templates to produce coupons with.\n"
        "Without them you will not be able to view any coupons that you specify.\n"
        "Please, contact Quorvex Software for technical help.",
        PromptIcon::kWarning);
  }
  coupons.loadCouponStyles(app_.env.home());
  return true;
}

void CouponManagerStep::addCoupon() {
  CouponDialog dialog(app_.env, coupons.couponStyles, app_.clock.currentYear());
  if (runUntilTaken(app_.frontEnd, app_.env.prompter(), dialog, [&] {
        return coupons.addCoupon(dialog.coupon()) ? Status::success()
                                                  : Status::invalidArgument(kNameInUse);
      })) {
    notifyChanged();
  }
}

void CouponManagerStep::editCoupon() {
  if (!selectedCoupon || *selectedCoupon >= coupons.count()) {
    app_.env.prompter().showMessage("Please, select a coupon to edit.");
    return;
  }
  const size_t index = *selectedCoupon;
  CouponDialog dialog(app_.env, coupons.couponStyles, app_.clock.currentYear(),
                      coupons.coupons[index]);
  if (runUntilTaken(app_.frontEnd, app_.env.prompter(), dialog, [&] {
        return coupons.replaceCoupon(index, dialog.coupon())
                   ? Status::success()
                   : Status::invalidArgument(kNameInUse);
      })) {
    notifyChanged();
  }
}

void CouponManagerStep::removeCoupon() {
  if (!selectedCoupon || *selectedCoupon >= coupons.count()) {
    app_.env.prompter().showMessage("Please, select a coupon to remove.");
    return;
  }
  if (!app_.env.prompter().askYesNo("Are you sure you want to remove this coupon?")) return;
  coupons.removeCoupon(*selectedCoupon);
  selectedCoupon.reset();
  notifyChanged();
}

void CouponManagerStep::apply() { *app_.doc.m_pCouponData = coupons; }

}  // namespace quorvex
