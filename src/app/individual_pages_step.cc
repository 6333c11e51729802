#include "app/individual_pages_step.h"

#include "app/app_services.h"
#include "app/command_ids.h"
#include "app/individual_pages.h"
#include "company/brenquil_doc.h"
#include "platform/env.h"

namespace quorvex {

IndividualPagesStep::IndividualPagesStep(AppServices& app)
    : StepModel(kCmdIndividualPages), app_(app) {}

bool IndividualPagesStep::prepare() {
  CBrenquilDoc& doc = app_.doc;
  doc.m_pExtraFields->clearRows();
  // Unreadable rows (their error shown) would make every page look stale.
  Status loaded = doc.m_pExtraFields->loadRows(app_.env);
  if (!loaded.ok() && loaded.code() != Status::Code::kNotFound) return false;
  removeStalePages(*doc.m_pIndProdData, markedProducts(*doc.m_pExtraFields).partNumbers);
  doc.m_pExtraFields->clearRows();
  if (doc.m_pIndProdData->count() == 0) {
    app_.env.prompter().showMessage(
        "I'm sorry, but you have no products marked for individual pages.\n"
        "Please go to the previous screen and mark them to continue.");
  }
  pages = *doc.m_pIndProdData;
  return true;
}

void IndividualPagesStep::apply() { *app_.doc.m_pIndProdData = pages; }

}  // namespace quorvex
