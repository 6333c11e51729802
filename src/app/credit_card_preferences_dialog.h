#ifndef QUORVEX_APP_CREDIT_CARD_PREFERENCES_DIALOG_H_
#define QUORVEX_APP_CREDIT_CARD_PREFERENCES_DIALOG_H_

#include "app/dialog_model.h"
#include "publish/ftp_settings.h"

namespace quorvex {

// "Credit Card Server Preferences": real-time card processing, its user ID,
// address verification, when a declined order is rejected, immediate
// capture and what a network timeout does, on a copy of the server
// preferences. Every value is valid.
class CreditCardPreferencesDialog : public DialogModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // Edits a copy of `initial`.
  explicit CreditCardPreferencesDialog(const CFtp& initial)
      : DialogModel("Credit Card Server Preferences"), record(initial) {}

  CFtp record;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_CREDIT_CARD_PREFERENCES_DIALOG_H_
