#ifndef QUORVEX_APP_EXTRA_FIELD_DIALOG_H_
#define QUORVEX_APP_EXTRA_FIELD_DIALOG_H_

#include "app/dialog_model.h"
#include "document/extra_order_field.h"

namespace quorvex {

class Prompter;

// "Add/Edit Extra Field": the four entries of one extra order field.
class ExtraFieldDialog : public DialogModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // `prompter` must outlive the dialog.
  ExtraFieldDialog(Prompter& prompter, CExtraOrderField field);

  CExtraOrderField field;

  // Requires all four entries and an identifier of letters and digits.
  bool accept() override;

 private:
  Prompter& prompter_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_EXTRA_FIELD_DIALOG_H_
