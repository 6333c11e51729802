#ifndef QUORVEX_APP_ORDER_PAYMENT_STEP_H_
#define QUORVEX_APP_ORDER_PAYMENT_STEP_H_

#include "app/step_model.h"
#include "publish/order_notify_data.h"

namespace quorvex {

struct AppServices;
class EmailTextDialog;

// "Order And Payment Settings": the e-mail texts of the order server and the
// payment methods, each edited in a dialog of its own on a copy that is
// taken back on its OK.
class OrderPaymentStep : public StepModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // Copies the order notification record.
  explicit OrderPaymentStep(AppServices& app);

  COrderNotifyData record;

  // "&Edit Text": the merchant notification in "Merchant Notification Email".
  void editMerchantNotification();
  // "E&dit Text": the three confirmations in "Customer Confirmation Email".
  void editCustomerConfirmations();
  // "Edit &Methods": the payment methods in "Payment Methods".
  void editPaymentMethods();

  // Stores the record back.
  void apply() override;

 private:
  // Runs `dialog` and takes its texts back on OK.
  void editTexts(EmailTextDialog& dialog);

  AppServices& app_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_ORDER_PAYMENT_STEP_H_
