#include "site/site_customization.h"

#include <algorithm>

#include "platform/prompter.h"
#include "site/template_folder_util.h"

namespace quorvex {

namespace {

constexpr const char* kHomePage = "Home Page";
constexpr const char* kProductPages = "Quorvex Pages";
constexpr const char* kCouponPage = "Coupon Page";
constexpr const char* kSpecCategoryPage = "Specific Category Page";

bool contains(const std::vector<std::string>& pages, const std::string& page) {
  return std::find(pages.begin(), pages.end(), page) != pages.end();
}

}  // namespace

SiteCustomization::SiteCustomization(std::string templateName,
                                     std::vector<std::string> includedPages)
    : name(std::move(templateName)),
      available_{kHomePage,        "Contact Page",  "Info Page",
                 "Newspaper Page", "Articles Page", "Magazine Page"},
      included_(std::move(includedPages)) {
  if (!contains(included_, kCouponPage)) available_.push_back(kCouponPage);
  available_.push_back(contains(included_, kProductPages) ? kSpecCategoryPage : kProductPages);
}

void SiteCustomization::makeAvailable(const std::string& page) {
  if (!contains(available_, page)) available_.push_back(page);
}

void SiteCustomization::makeUnavailable(const std::string& page) {
  available_.erase(std::remove(available_.begin(), available_.end(), page), available_.end());
}

void SiteCustomization::add(int32_t index, Prompter& prompter) {
  if (index < 0 || static_cast<size_t>(index) >= available_.size()) {
    prompter.showMessage(
        "Please, select the page you would like to add from the list on the left hand side.");
    return;
  }
  const std::string page = available_[index];
  included_.push_back(page);
  if (page == kProductPages || page == kCouponPage) makeUnavailable(page);
  if (page == kProductPages) makeAvailable(kSpecCategoryPage);
}

void SiteCustomization::remove(int32_t index, Prompter& prompter) {
  if (index < 0) {
    prompter.showMessage(
        "Please, select the page you would like to remove from the list on the right hand "
        "side.");
    return;
  }
  if (static_cast<size_t>(index) >= included_.size()) {
    prompter.showMessage("Sorry, you can't delete that page.");
    return;
  }
  const std::string page = included_[index];
  if (page == kHomePage && std::count(included_.begin(), included_.end(), page) == 1) {
    prompter.showMessage("Sorry, you must include at least one Home Page.");
    return;
  }
  if (page == kProductPages && contains(included_, kSpecCategoryPage)) {
    if (!prompter.askYesNo(
            "A site cannot have Specific Category pages without Quorvex pages.  If you remove "
            "your Quorvex pages, your Specific Category pages will be removed also.  Do you wish "
            "to proceed?")) {
      return;
    }
    included_.erase(std::remove(included_.begin(), included_.end(), kSpecCategoryPage),
                    included_.end());
    index = static_cast<int32_t>(std::find(included_.begin(), included_.end(), page) -
                                 included_.begin());
  }
  included_.erase(included_.begin() + index);
  if (page == kProductPages) {
    makeAvailable(kProductPages);
    makeUnavailable(kSpecCategoryPage);
  }
  if (page == kCouponPage) makeAvailable(kCouponPage);
}

bool SiteCustomization::accept(Prompter& prompter) const {
  return acceptTemplateName(name, "Site", "Please, enter a name for your site.", prompter);
}

}  // namespace quorvex
