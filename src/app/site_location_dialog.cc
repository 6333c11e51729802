#include "app/site_location_dialog.h"

namespace quorvex {

SiteLocationDialog::SiteLocationDialog(CSiteTemplate& site, Prompter& prompter)
    : DialogModel("Current Site Location"), location(site), site_(site), prompter_(prompter) {}

bool SiteLocationDialog::accept() { return location.accept(site_, prompter_); }

}  // namespace quorvex
