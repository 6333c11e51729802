#include "app/customize_site_dialog.h"

#include <utility>

namespace quorvex {

CustomizeSiteDialog::CustomizeSiteDialog(SiteCustomization start, Prompter& prompter)
    : DialogModel("Customize Site Template"),
      customization(std::move(start)),
      prompter_(prompter) {}

bool CustomizeSiteDialog::accept() { return customization.accept(prompter_); }

}  // namespace quorvex
