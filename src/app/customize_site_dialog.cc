#include "app/customize_site_dialog.h"

#include <utility>

namespace quorvex {

CustomizeSiteDialog::CustomizeSiteDialog(SiteCustomization start, Prompter& prompter)
    : DialogModel("Customize Site Template"),
      customization(std::move(start)),
      prompter_(prompter) {}

void CustomizeSiteDialog::addPage(int32_t index) {
  customization.add(index, prompter_);
  notifyChanged();
}

void CustomizeSiteDialog::removePage(int32_t index) {
  customization.remove(index, prompter_);
  notifyChanged();
}

bool CustomizeSiteDialog::accept() { return customization.accept(prompter_); }

}  // namespace quorvex
