#include "app/save_site_dialog.h"

namespace quorvex {

SaveSiteDialog::SaveSiteDialog() : DialogModel("Save Web Site Locally") {}

}  // namespace quorvex
