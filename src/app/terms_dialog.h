#ifndef QUORVEX_APP_TERMS_DIALOG_H_
#define QUORVEX_APP_TERMS_DIALOG_H_

#include <string>

#include "app/dialog_model.h"

namespace quorvex {

// "Terms and Conditions": the text of the terms and conditions page.
class TermsDialog : public DialogModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  explicit TermsDialog(std::string initial);

  std::string text;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_TERMS_DIALOG_H_
