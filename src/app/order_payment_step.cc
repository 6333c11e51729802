#include "app/order_payment_step.h"

#include <memory>
#include <vector>

#include "app/app_services.h"
#include "app/command_ids.h"
#include "app/email_text_dialog.h"
#include "app/front_end.h"
#include "app/payment_methods_dialog.h"
#include "company/brenquil_doc.h"
#include "generator/commerce_fields.h"
#include "platform/env.h"
#include "site/order_form_page.h"
#include "site/page_data.h"

namespace quorvex {

namespace {

// The extra fields of the site's order form page, which the e-mail texts
// may name as fields; none without an order form page.
std::vector<CExtraOrderField> extraOrderFields(const CBrenquilDoc& doc) {
  const COrderFormPage* orderForm = firstOrderFormPage(*doc.m_pPageData);
  return orderForm != nullptr ? orderForm->extraFields : std::vector<CExtraOrderField>{};
}

}  // namespace

OrderPaymentStep::OrderPaymentStep(AppServices& app)
    : StepModel(kCmdOrderPayment), record(*app.doc.m_pOrderNotifyData), app_(app) {}

void OrderPaymentStep::editMerchantNotification() {
  editTexts(*EmailTextDialog::merchantNotification(record, extraOrderFields(app_.doc), app_.env));
}

void OrderPaymentStep::editCustomerConfirmations() {
  editTexts(*EmailTextDialog::customerConfirmation(record, extraOrderFields(app_.doc), app_.env));
}

void OrderPaymentStep::editTexts(EmailTextDialog& dialog) {
  if (app_.frontEnd.runDialog(dialog) == DialogResult::kCancel) return;
  dialog.storeInto(record);
  notifyChanged();
}

void OrderPaymentStep::editPaymentMethods() {
  PaymentMethodsDialog dialog(app_.env.prompter(), record.paymentMethods);
  if (app_.frontEnd.runDialog(dialog) == DialogResult::kCancel) return;
  record.paymentMethods = dialog.methods;
  notifyChanged();
}

void OrderPaymentStep::apply() { *app_.doc.m_pOrderNotifyData = record; }

}  // namespace quorvex
