#include "app/business_step.h"


#include "app/app_services.h"
#include "app/command_ids.h"
#include "app/front_end.h"
#include "app/image_file_choice.h"
#include "app/keywords_dialog.h"
#include "app/terms_dialog.h"
#include "company/brenquil_doc.h"
#include "platform/env.h"
#include "platform/paths.h"

namespace quorvex {

namespace fs = std::filesystem;

BusinessStep::BusinessStep(AppServices& app)
    : StepModel(kCmdBusiness), business(*app.doc.m_pBusiness), app_(app) {}

void BusinessStep::editKeywords() {
  KeywordsDialog dialog(app_.env.prompter(), business.description, business.keywords);
  if (app_.frontEnd.runDialog(dialog) == DialogResult::kCancel) return;
  business.description = dialog.description;
  business.keywords = dialog.keywords;
  notifyChanged();
}

void BusinessStep::editTerms() {
  TermsDialog dialog(business.termsText);
  if (app_.frontEnd.runDialog(dialog) == DialogResult::kCancel) return;
  business.termsText = dialog.text;
  business.makeTermsPage = 1;
  notifyChanged();
}

void BusinessStep::browseLogo() {
  std::optional<fs::path> file = chooseImageFile(app_, "Company Logo...", business.logoPath);
  if (!file) return;
  business.logoPath = file->string();
  notifyChanged();
}

fs::path BusinessStep::logoFile() const {
  if (business.logoPath.empty()) return {};
  return resolveStoredPath(app_.env.home(), business.logoPath);
}

std::string BusinessStep::previewCaption(std::optional<int> shownWidth) {
  if (!shownWidth) return "No Image";
  return "Image shown here is " + std::to_string(*shownWidth) + " pixels";
}

void BusinessStep::apply() {
  business.reserved = app_.doc.m_pBusiness->reserved;
  *app_.doc.m_pBusiness = business;
}

}  // namespace quorvex
