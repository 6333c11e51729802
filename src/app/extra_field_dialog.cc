#include "app/extra_field_dialog.h"

#include <utility>

#include "platform/prompter.h"

namespace quorvex {

ExtraFieldDialog::ExtraFieldDialog(Prompter& prompter, CExtraOrderField initial)
    : DialogModel("Add/Edit Extra Field", "AddEditExtraFields.html"),
      field(std::move(initial)),
      prompter_(prompter) {}

bool ExtraFieldDialog::accept() {
  Status status = field.checkEntries();
  if (!status.ok()) prompter_.showMessage(status.message());
  return status.ok();
}

}  // namespace quorvex
