#include "app/site_type_step.h"

#include <optional>

#include "app/app_services.h"
#include "app/command_ids.h"
#include "app/front_end.h"
#include "company/brenquil_doc.h"
#include "platform/env.h"
#include "site/add_on_location.h"
#include "site/site_customization.h"

namespace quorvex {

namespace {

// "Customize Site Template": the template's name and pages.
class CustomizeSiteDialog : public DialogModel {
 public:
  CustomizeSiteDialog(SiteCustomization customization, Prompter& prompter)
      : DialogModel("Customize Site Template"),
        customization(std::move(customization)),
        prompter_(prompter) {}

  bool accept() override { return customization.accept(prompter_); }

  SiteCustomization customization;

 private:
  Prompter& prompter_;
};

// "Current Site Location": where the existing site of the add-on template
// lies; its OK stores the location in the step's record.
class SiteLocationDialog : public DialogModel {
 public:
  SiteLocationDialog(CSiteTemplate& site, Prompter& prompter)
      : DialogModel("Current Site Location"), location(site), site_(site), prompter_(prompter) {}

  bool accept() override { return location.accept(site_, prompter_); }

  AddOnLocation location;

 private:
  CSiteTemplate& site_;
  Prompter& prompter_;
};

}  // namespace

SiteTypeStep::SiteTypeStep(AppServices& app)
    : StepModel(kCmdSiteType), app_(app), choice_(app.env, *app.doc.m_pSiteTemplate) {}

void SiteTypeStep::prepare() { choice_.open(); }

void SiteTypeStep::customize() {
  std::optional<SiteCustomization> customization = choice_.beginCustomize();
  if (!customization) return;
  CustomizeSiteDialog dialog(std::move(*customization), app_.env.prompter());
  while (app_.frontEnd.runDialog(dialog) != DialogResult::kCancel) {
    if (choice_.finishCustomize(dialog.customization)) return;
  }
}

bool SiteTypeStep::setLocation() {
  SiteLocationDialog dialog(choice_.site(), app_.env.prompter());
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
