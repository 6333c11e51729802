#include "app/location_step.h"

#include "app/address_dialog.h"
#include "app/app_services.h"
#include "app/command_ids.h"
#include "app/company_name.h"
#include "app/contact_pages.h"
#include "app/document_lifecycle.h"
#include "app/front_end.h"
#include "company/brenquil_doc.h"
#include "platform/env.h"
#include "platform/strings.h"

namespace quorvex {

LocationStep::LocationStep(AppServices& app)
    : StepModel(kCmdLocation),
      companyName(app.doc.m_strCompanyName),
      url("http://" + app.doc.m_pContact->url),
      contact(*app.doc.m_pContact),
      app_(app) {}

void LocationStep::addAddress() {
  AddressDialog dialog(app_.env.prompter());
  if (app_.frontEnd.runDialog(dialog) == DialogResult::kCancel) return;
  contact.addAddress(dialog.address);
  selectedAddress = contact.addresses.size() - 1;
  notifyChanged();
}

void LocationStep::removeAddress() {
  if (!selectedAddress || !contact.removeAddress(*selectedAddress)) {
    app_.env.prompter().showMessage("Please, select an address to remove.");
    return;
  }
  selectedAddress.reset();
  notifyChanged();
}

bool LocationStep::accept() {
  Status status = checkCompanyName(companyName);
  // Only a new name can collide with another company: the folder a later
  // step made for an unsaved company under its current name is its own.
  const bool renamed = trim(companyName) != app_.doc.m_strCompanyName;
  if (status.ok() && renamed) {
    status = checkCompanyNameFree(companyName, app_.env.home(), app_.doc.title(),
                                  app_.lifecycle.path());
  }
  if (status.ok()) return true;
  app_.env.prompter().showMessage(status.message());
  return false;
}

void LocationStep::apply() {
  CBrenquilDoc& doc = app_.doc;
  *doc.m_pContact = contact;
  doc.m_pContact->url = CContact::withoutHttp(url);
  syncContactPages(*doc.m_pPageData, *doc.m_pContact, ContactList::kAddresses);
  app_.lifecycle.renameCompany(companyName);
}

}  // namespace quorvex
