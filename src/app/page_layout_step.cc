#include "app/page_layout_step.h"

#include "app/app_services.h"
#include "app/command_ids.h"
#include "app/extra_fields_dialog.h"
#include "app/front_end.h"
#include "company/brenquil_doc.h"
#include "platform/env.h"
#include "site/order_form_page.h"

namespace quorvex {

PageLayoutStep::PageLayoutStep(AppServices& app)
    : StepModel(kCmdPageLayout), pages(*app.doc.m_pPageData), app_(app) {}

void PageLayoutStep::editExtraFields(COrderFormPage& page) {
  ExtraFieldsDialog dialog(app_.frontEnd, app_.env.prompter(), page.extraFields);
  if (app_.frontEnd.runDialog(dialog) != DialogResult::kCancel) page.extraFields = dialog.fields;
}

void PageLayoutStep::apply() { *app_.doc.m_pPageData = pages; }

}  // namespace quorvex
