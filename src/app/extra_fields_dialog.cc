#include "app/extra_fields_dialog.h"

#include <utility>

#include "app/dialog_host.h"
#include "app/extra_field_dialog.h"
#include "platform/prompter.h"

namespace quorvex {

ExtraFieldsDialog::ExtraFieldsDialog(DialogHost& host, Prompter& prompter,
                                     std::vector<CExtraOrderField> initial)
    : DialogModel("Order Form Extra Fields"),
      fields(std::move(initial)),
      host_(host),
      prompter_(prompter) {}

void ExtraFieldsDialog::addField() { runFieldDialog(CExtraOrderField(), std::nullopt); }

void ExtraFieldsDialog::editField() {
  if (!selectedField || *selectedField >= fields.size()) {
    prompter_.showMessage("Please, select a field to edit.");
    return;
  }
  runFieldDialog(fields[*selectedField], selectedField);
}

void ExtraFieldsDialog::runFieldDialog(CExtraOrderField field, std::optional<size_t> edited) {
  ExtraFieldDialog dialog(prompter_, std::move(field));
  const bool taken = runUntilTaken(host_, prompter_, dialog, [&] {
    Status status =
        CExtraOrderField::checkIdentifierAvailable(fields, dialog.field.identifier, edited);
    if (!status.ok()) return status;
    if (edited) {
      fields[*edited] = dialog.field;
    } else {
      fields.push_back(dialog.field);
    }
    return status;
  });
  if (taken) notifyChanged();
}

void ExtraFieldsDialog::removeField() {
  if (!selectedField || *selectedField >= fields.size()) {
    prompter_.showMessage("Please, select a field to remove.");
    return;
  }
  if (!prompter_.askYesNo("Are you sure you want to remove the selected field?")) return;
  fields.erase(fields.begin() + static_cast<std::ptrdiff_t>(*selectedField));
  selectedField.reset();
  notifyChanged();
}

}  // namespace quorvex
