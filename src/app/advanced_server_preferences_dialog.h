#ifndef QUORVEX_APP_ADVANCED_SERVER_PREFERENCES_DIALOG_H_
#define QUORVEX_APP_ADVANCED_SERVER_PREFERENCES_DIALOG_H_

#include "app/dialog_model.h"
#include "publish/ftp_settings.h"

namespace quorvex {

class Prompter;

// "Advanced Server Preferences": cookies, Base HREF, the download expiry,
// the JPEG quality, PGP, the additional order notification, the FTP proxy,
// the FTP folder and i-Check, on a copy of the server preferences.
class AdvancedServerPreferencesDialog : public DialogModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // Edits a copy of `initial`; `prompter` must outlive the dialog.
  AdvancedServerPreferencesDialog(Prompter& prompter, const CFtp& initial);

  CFtp record;

  // Requires the expiry time in days and the JPEG quality within their
  // ranges, each refused with the range it must lie in.
  bool accept() override;

 private:
  Prompter& prompter_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_ADVANCED_SERVER_PREFERENCES_DIALOG_H_
