#ifndef QUORVEX_APP_SERVER_PREFERENCES_STEP_H_
#define QUORVEX_APP_SERVER_PREFERENCES_STEP_H_

#include <string>

#include "app/step_model.h"
#include "publish/ftp_settings.h"

namespace quorvex {

struct AppServices;

// "Server Preferences": the web server, the order server with the account
// there, the order e-mail and the shop's other web origins, with the
// advanced and credit card preferences in dialogs of their own. Each password
// is typed twice, as a masked field cannot be read back; OK requires the two
// to agree.
//
// The order server's host is no part of the document: it is the user's
// setting in the settings store, shared by every document.
class ServerPreferencesStep : public StepModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // Copies the server preferences; each retyped password starts as stored,
  // the order server's host as the settings store keeps it.
  explicit ServerPreferencesStep(AppServices& app);

  CFtp record;
  std::string ftpPasswordAgain;
  std::string vendorPasswordAgain;
  // The order server's host ("orders.example.com", "127.0.0.1:2121").
  std::string orderServerHost;

  // The host $QUORVEX_ORDER_SERVER names, which every run uses in place of
  // orderServerHost; empty when it is not set.
  const std::string& orderServerOverride() const { return orderServerOverride_; }

  // "&Advanced Preferences" and "C&redit Card Preferences": the sub-dialog
  // on a copy of the record, taken back on its OK.
  void editAdvanced();
  void editCreditCards();

  // "&Test Connection": logs in to the web server and to the order server
  // (the overriding host, if any) with the values shown and tells the user
  // what happened.
  void testConnection();

  // Requires each password to equal its retyped copy, an order server host
  // that names an FTP server, and each of the other origins to be "http://"
  // or "https://", a host and an optional ":PORT", nothing more; then stores
  // a changed order server host in the settings store. The first failure is
  // shown and refuses.
  bool accept() override;

  // Stores the record back.
  void apply() override;

 private:
  AppServices& app_;
  std::string storedOrderServerHost_;
  std::string orderServerOverride_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_SERVER_PREFERENCES_STEP_H_
