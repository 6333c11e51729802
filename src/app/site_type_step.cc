#include "app/site_type_step.h"

#include <optional>

#include "app/app_services.h"
#include "app/command_ids.h"
#include "app/customize_site_dialog.h"
#include "app/front_end.h"
#include "app/site_location_dialog.h"
#include "company/brenquil_doc.h"
#include "platform/env.h"

namespace quorvex {

SiteTypeStep::SiteTypeStep(AppServices& app)
    : StepModel(kCmdSiteType), app_(app), choice_(app.env, *app.doc.m_pSiteTemplate) {
  choice_.subscribe([this] { notifyChanged(); });
}

bool SiteTypeStep::prepare() {
  choice_.open();
  return true;
}

void SiteTypeStep::customize() {
  std::optional<SiteCustomization> customization = choice_.beginCustomize();
  if (!customization) return;
  CustomizeSiteDialog dialog(std::move(*customization), app_.env.prompter());
  while (app_.frontEnd.runDialog(dialog) != DialogResult::kCancel) {
    if (choice_.finishCustomize(dialog.customization)) return;
  }
}

bool SiteTypeStep::setLocation() {
  SiteLocationDialog dialog(choice_.site(), app_.frontEnd, app_.env.prompter());
  return app_.frontEnd.runDialog(dialog) != DialogResult::kCancel;
}

bool SiteTypeStep::accept() {
  switch (choice_.accept()) {
    case SiteTemplateChoice::Acceptance::kAccepted: return true;
    case SiteTemplateChoice::Acceptance::kNeedsLocation:
      return setLocation() && choice_.accept() == SiteTemplateChoice::Acceptance::kAccepted;
    case SiteTemplateChoice::Acceptance::kRefused: return false;
  }
  return false;
}

void SiteTypeStep::apply() { choice_.apply(app_.doc); }

}  // namespace quorvex
