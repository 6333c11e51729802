#ifndef QUORVEX_APP_EXTRA_FIELDS_DIALOG_H_
#define QUORVEX_APP_EXTRA_FIELDS_DIALOG_H_

#include <cstddef>
#include <optional>
#include <vector>

#include "app/dialog_model.h"
#include "document/extra_order_field.h"

namespace quorvex {

class DialogHost;
class Prompter;

// "Order Form Extra Fields": the list of extra input fields of the order
// form page, edited on a copy that the caller takes back on OK.
class ExtraFieldsDialog : public DialogModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // `host` and `prompter` must outlive the dialog.
  ExtraFieldsDialog(DialogHost& host, Prompter& prompter, std::vector<CExtraOrderField> fields);

  std::vector<CExtraOrderField> fields;
  std::optional<size_t> selectedField;

  // Add: a new field in "Add/Edit Extra Field"; an identifier that is
  // reserved or used by another field is refused and the dialog opens
  // again with the entries.
  void addField();
  // Edit: the selected field in the same way.
  void editField();
  // Remove: the selected field, after the user agreed.
  // Each of the three notifies the listeners when it changed the list.
  void removeField();

 private:
  void runFieldDialog(CExtraOrderField field, std::optional<size_t> edited);

  DialogHost& host_;
  Prompter& prompter_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_EXTRA_FIELDS_DIALOG_H_
