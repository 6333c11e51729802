#ifndef QUORVEX_UI_CREDIT_CARD_PREFERENCES_VIEW_H_
#define QUORVEX_UI_CREDIT_CARD_PREFERENCES_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

namespace quorvex {
class CreditCardPreferencesDialog;
}

namespace quorvex::ui {

// The view of "Credit Card Server Preferences": the real-time processing
// switch and user ID, the two radio groups and the two payment options.
class CreditCardPreferencesView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  CreditCardPreferencesView(CreditCardPreferencesDialog& model, std::function<void()> help,
                            QWidget* parent);
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_CREDIT_CARD_PREFERENCES_VIEW_H_
