#include "app/business_step.h"

#include <fstream>
#include <system_error>

#include "app/app_services.h"
#include "app/command_ids.h"
#include "app/front_end.h"
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
  FileDialogRequest request;
  request.title = "Company Logo...";
  fs::path logoFolder = nativePath(business.logoPath).parent_path();
  request.folder = logoFolder.empty() ? app_.lastImageFolder : logoFolder;
  request.filters = {{"Image Files (GIF, JPEG, BMP, PNG)", "*.gif;*.jpg;*.jpeg;*.bmp;*.png"},
                     {"All Files (*.*)", "*.*"}};
  while (std::optional<fs::path> file = app_.frontEnd.chooseFile(request)) {
    std::error_code error;
    if (fs::is_regular_file(*file, error) && std::ifstream(*file, std::ios::binary)) {
      business.logoPath = file->string();
      app_.lastImageFolder = file->parent_path();
      notifyChanged();
      return;
    }
    app_.env.prompter().showMessage("I'm sorry, that file does not exist.");
  }
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
