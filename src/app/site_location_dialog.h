#ifndef QUORVEX_APP_SITE_LOCATION_DIALOG_H_
#define QUORVEX_APP_SITE_LOCATION_DIALOG_H_

#include "app/dialog_model.h"
#include "site/add_on_location.h"
#include "site/site_template.h"

namespace quorvex {

class DialogHost;
class Prompter;

// "Current Site Location": where the existing site of the add-on template
// lies; its OK stores the location in the site type step's record.
class SiteLocationDialog : public DialogModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // Starts from the location held by `site`, which receives it on OK. `site`,
  // `host` and `prompter` must outlive the dialog.
  SiteLocationDialog(CSiteTemplate& site, DialogHost& host, Prompter& prompter);

  AddOnLocation location;

  // Browse: lets the user pick the index page with an open-file dialog
  // ("HTML Files (*.htm;*.html)", "All Files (*.*)") that starts in the
  // folder of the path given so far; a choice becomes the index path and
  // the listeners are notified.
  void browse();

  // The checks of AddOnLocation::accept(); on success `site` takes the
  // location.
  bool accept() override;

 private:
  CSiteTemplate& site_;
  DialogHost& host_;
  Prompter& prompter_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_SITE_LOCATION_DIALOG_H_
