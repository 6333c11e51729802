#include "app/contact_step.h"

#include "app/app_services.h"
#include "app/command_ids.h"
#include "app/contact_pages.h"
#include "app/front_end.h"
#include "app/label_value_dialog.h"
#include "company/brenquil_doc.h"
#include "platform/env.h"

namespace quorvex {

const ContactStep::ListTexts ContactStep::kEmailTexts = {
    "Add Email", "Please, select the email address you would like to edit.",
    "Please, select the email address you would like to remove from this list."};
const ContactStep::ListTexts ContactStep::kPhoneTexts = {
    "Add Phone", "Please, select the phone number you would like to edit.",
    "Please, select the phone number you would like to remove from this list."};

ContactStep::ContactStep(AppServices& app)
    : StepModel(kCmdContact), contact(*app.doc.m_pContact), app_(app) {}

std::string ContactStep::entryText(const CLabelValue& entry) {
  return entry.label + ": " + entry.value;
}

void ContactStep::addEmail() { add(contact.emails, kEmailTexts); }
void ContactStep::editEmail() { edit(contact.emails, selectedEmail, kEmailTexts); }
void ContactStep::deleteEmail() { remove(contact.emails, selectedEmail, kEmailTexts); }
void ContactStep::addPhone() { add(contact.phones, kPhoneTexts); }
void ContactStep::editPhone() { edit(contact.phones, selectedPhone, kPhoneTexts); }
void ContactStep::deletePhone() { remove(contact.phones, selectedPhone, kPhoneTexts); }

void ContactStep::add(std::vector<CLabelValue>& list, const ListTexts& texts) {
  LabelValueDialog dialog(texts.dialogTitle, CLabelValue());
  if (app_.frontEnd.runDialog(dialog) == DialogResult::kCancel) return;
  list.push_back(dialog.entry);
  notifyChanged();
}

void ContactStep::edit(std::vector<CLabelValue>& list, std::optional<size_t>& selected,
                       const ListTexts& texts) {
  if (!selected || *selected >= list.size()) {
    app_.env.prompter().showMessage(texts.selectToEdit);
    return;
  }
  LabelValueDialog dialog(texts.dialogTitle, list[*selected]);
  if (app_.frontEnd.runDialog(dialog) == DialogResult::kCancel) return;
  list[*selected] = dialog.entry;
  notifyChanged();
}

void ContactStep::remove(std::vector<CLabelValue>& list, std::optional<size_t>& selected,
                         const ListTexts& texts) {
  if (!selected || *selected >= list.size()) {
    app_.env.prompter().showMessage(texts.selectToRemove);
    return;
  }
  list.erase(list.begin() + static_cast<std::ptrdiff_t>(*selected));
  selected.reset();
  notifyChanged();
}

void ContactStep::apply() {
  *app_.doc.m_pContact = contact;
  syncContactPages(*app_.doc.m_pPageData, contact, ContactList::kPhonesAndEmails);
}

}  // namespace quorvex
