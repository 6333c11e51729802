#ifndef QUORVEX_UI_TAX_RATE_VIEW_H_
#define QUORVEX_UI_TAX_RATE_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

class QComboBox;

class QLineEdit;

namespace quorvex {
class TaxRateDialog;
}

namespace quorvex::ui {

// The view of "Tax Rate": "Add rate for:" with the fields its kind enables,
// and the rate, which gets the focus when OK refused it.
class TaxRateView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  TaxRateView(TaxRateDialog& model, std::function<void()> help, QWidget* parent);

 private:
  void showModel() override;
  void refused() override;

  TaxRateDialog& model_;
  QComboBox* kind_;
  QLineEdit* city_;
  QLineEdit* state_;
  QLineEdit* abbreviation_;
  QLineEdit* country_;
  QLineEdit* rate_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_TAX_RATE_VIEW_H_
