#ifndef QUORVEX_APP_LABEL_VALUE_DIALOG_H_
#define QUORVEX_APP_LABEL_VALUE_DIALOG_H_

#include <string>

#include "app/dialog_model.h"
#include "document/label_value.h"

namespace quorvex {

// "Add Email" and "Add Phone": a label and an e-mail address or a number,
// for a new entry or the one being edited.
class LabelValueDialog : public DialogModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  LabelValueDialog(std::string title, CLabelValue entry);

  CLabelValue entry;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_LABEL_VALUE_DIALOG_H_
