#include "app/site_location_dialog.h"

#include "app/dialog_host.h"
#include "platform/paths.h"

namespace quorvex {

SiteLocationDialog::SiteLocationDialog(CSiteTemplate& site, DialogHost& host,
                                       Prompter& prompter)
    : DialogModel("Current Site Location"),
      location(site),
      site_(site),
      host_(host),
      prompter_(prompter) {}

void SiteLocationDialog::browse() {
  FileDialogRequest request;
  request.folder = nativePath(location.indexPath).parent_path();
  request.filters = {{"HTML Files (*.htm;*.html)", "*.htm;*.html"}, {"All Files (*.*)", "*.*"}};
  std::optional<std::filesystem::path> file = host_.chooseFile(request);
  if (!file) return;
  location.indexPath = file->string();
  notifyChanged();
}

bool SiteLocationDialog::accept() { return location.accept(site_, prompter_); }

}  // namespace quorvex
