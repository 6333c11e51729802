#include "app/site_template_choice.h"

#include "company/brenquil_doc.h"
#include "site/style_applier.h"
#include "site/template_folder_util.h"

namespace quorvex {

SiteTemplateChoice::SiteTemplateChoice(const Env& env, const CSiteTemplate& site)
    : env_(env), site_(site), folder_(env, site_), initialName_(site.currentName) {}

bool SiteTemplateChoice::select(int32_t index) {
  std::optional<std::string> description = folder_.select(index);
  selected_ = description.has_value();
  description_ = description.value_or("");
  return selected_;
}

void SiteTemplateChoice::open() {
  folder_.scan();
  if (!select(site_.currentIndex)) {
    env_.prompter().showMessage(
        "The last site chosen could not be found.\nPlease, select the site you intended to use.");
    select(0);
  }
  notifyChanged();
}

void SiteTemplateChoice::choose(int32_t index) {
  if (index < 0) {
    env_.prompter().showMessage(
        "Could not find current site.  Please reselect the site you meant to choose.");
    index = 0;
  }
  select(index);
  if (!site_.isAddOn()) site_.clearAddOnState();
  notifyChanged();
}

std::optional<SiteCustomization> SiteTemplateChoice::beginCustomize() {
  Prompter& prompter = env_.prompter();
  if (!selected_) {
    prompter.showMessage("Please, select a site to customize.");
    return std::nullopt;
  }
  if (site_.isAddOn()) {
    prompter.showMessage(
        "Sorry, but you may not customize this site.\nPlease, choose another site if you would "
        "like to include more than just the commerce functionality.");
    return std::nullopt;
  }
  if (folder_.isPermanent()) {
    prompter.showMessage(
        "The site you have selected cannot be directly edited,\nBut it has been copied to a "
        "new site so that you may edit it.",
        PromptIcon::kInformation);
    if (!folder_.copyCurrentTo(site_.newName())) return std::nullopt;
    description_ = folder_.select(site_.currentIndex).value_or("");
    notifyChanged();
  }
  return SiteCustomization(site_.currentName, site_.pageNames());
}

bool SiteTemplateChoice::finishCustomize(const SiteCustomization& edited) {
  if (!acceptFreeTemplateName(edited.name, site_.currentName, site_.templateNames, "Site",
                              env_.prompter())) {
    return false;
  }
  site_.pageTypes.clear();
  for (const std::string& page : edited.includedPages()) site_.addType(page);
  // A template file that cannot be written (the error shown) keeps the step.
  if (!folder_.saveCurrentAs(edited.name)) return false;
  folder_.scan();
  select(site_.currentIndex);
  notifyChanged();
  return true;
}

void SiteTemplateChoice::deleteSelected() {
  Prompter& prompter = env_.prompter();
  if (!selected_) {
    prompter.showMessage("Please, select a site to delete.");
    return;
  }
  if (folder_.isPermanent()) {
    prompter.showMessage("I'm sorry, but this site cannot be deleted.");
    return;
  }
  if (!prompter.askYesNo("Are you sure you want to delete this site?")) return;
  if (!folder_.deleteCurrent()) return;
  const int32_t fallback = site_.find(CSiteTemplate::kDefaultTemplateName);
  select(fallback >= 0 ? fallback : 0);
  notifyChanged();
}

SiteTemplateChoice::Acceptance SiteTemplateChoice::accept() const {
  if (!selected_) {
    env_.prompter().showMessage("Please select a site.");
    return Acceptance::kRefused;
  }
  if (site_.isAddOn() && !site_.locationConfirmed) return Acceptance::kNeedsLocation;
  return Acceptance::kAccepted;
}

void SiteTemplateChoice::apply(CBrenquilDoc& doc) const {
  *doc.m_pSiteTemplate = site_;
  doc.m_pPageData->followTypes(site_.pageTypes);
  if (site_.currentName != initialName_ &&
      env_.prompter().askYesNo(kResetLinksQuestion)) {
    doc.m_pPageData->resetDisplayedLinks();
    doc.m_pIndProdData->resetDisplayedLinks();
  }
  styleNewPages(*doc.m_pTemplate, *doc.m_pPageData, doc.m_strCompanyName);
}

}  // namespace quorvex
