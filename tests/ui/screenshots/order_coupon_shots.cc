#include "screenshots/order_coupon_shots.h"

#include <memory>

#include "app/app_services.h"
#include "app/command_ids.h"
#include "app/coupon_dialog.h"
#include "app/email_text_dialog.h"
#include "app/payment_methods_dialog.h"
#include "company/brenquil_doc.h"
#include "document/extra_order_field.h"
#include "document/coupon_data.h"
#include "platform/env.h"
#include "ui/coupon_dialog_view.h"
#include "ui/email_text_view.h"
#include "ui/main_window.h"
#include "ui/payment_methods_view.h"

namespace quorvex::ui {

namespace {

void noHelp() {}

}  // namespace

void captureOrderCouponSteps(
    MainWindow& window, AppServices& app,
    const std::function<void(const QString&, const QString&)>& expectShown,
    const std::function<void(QWidget&, const QString&)>& capture) {
  const COrderNotifyData& texts = *app.doc.m_pOrderNotifyData;
  expectShown("Order And Payment Settings", "Order And Payment Settings");
  window.runCommand(kCmdOrderPayment);
  std::unique_ptr<EmailTextDialog> merchant =
      EmailTextDialog::merchantNotification(texts, {}, app.env);
  EmailTextView merchantView(*merchant, noHelp, &window);
  capture(merchantView, "Merchant Notification Email");
  std::unique_ptr<EmailTextDialog> customer =
      EmailTextDialog::customerConfirmation(texts, {}, app.env);
  EmailTextView customerView(*customer, noHelp, &window);
  capture(customerView, "Customer Confirmation Email");
  PaymentMethodsDialog methods(app.env.prompter(), texts.paymentMethods);
  methods.selectMethod(1);
  PaymentMethodsView methodsView(methods, noHelp, &window);
  capture(methodsView, "Payment Methods");

  expectShown("Coupon Manager", "Coupon Manager");
  window.runCommand(kCmdCouponManager);
  CCouponData coupons;
  coupons.loadCouponStyles(app.env.home());
  CCoupon spring;
  spring.couponName = "SpringSale";
  spring.couponHeader = "Spring Sale";
  spring.couponText = "Ten percent off every tent and sleeping bag.";
  spring.couponExpiration = "Valid while stocks last";
  spring.styleName = coupons.couponStyles.empty() ? "" : coupons.couponStyles.front();
  spring.scheduleFormat = CCoupon::kDateRange;
  spring.beginMonth = 2;
  spring.beginYear = 2026;
  spring.endMonth = 4;
  spring.endDate = 30;
  spring.endYear = 2026;
  CouponDialog coupon(app.env, coupons.couponStyles, 2026, spring);
  CouponDialogView couponView(coupon, noHelp, &window);
  capture(couponView, "Coupon Data And Schedule");

  expectShown("Individual Product Pages", "Individual Product Pages");
  window.runCommand(kCmdIndividualPages);
}

}  // namespace quorvex::ui
