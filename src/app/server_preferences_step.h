#ifndef QUORVEX_APP_SERVER_PREFERENCES_STEP_H_
#define QUORVEX_APP_SERVER_PREFERENCES_STEP_H_

#include <string>

#include "app/step_model.h"
#include "publish/ftp_settings.h"

namespace quorvex {

struct AppServices;

// "Server Preferences": the web server, the order server account and the
// order e-mail, with the advanced and credit card preferences in dialogs of
// their own. Each password is typed twice, as a masked field cannot be read
// back; OK requires the two to agree.
class ServerPreferencesStep : public StepModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // Copies the server preferences; each retyped password starts as stored.
  explicit ServerPreferencesStep(AppServices& app);

  CFtp record;
  std::string ftpPasswordAgain;
  std::string vendorPasswordAgain;

  // "&Advanced Preferences" and "C&redit Card Preferences": the sub-dialog
  // on a copy of the record, taken back on its OK.
  void editAdvanced();
  void editCreditCards();

  // "&Test Connection": logs in to the web server and to the order server
  // with the values shown and tells the user what happened.
  void testConnection();

  // Requires each password to equal its retyped copy.
  bool accept() override;

  // Stores the record back.
  void apply() override;

 private:
  AppServices& app_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_SERVER_PREFERENCES_STEP_H_
