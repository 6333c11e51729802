#include "app/server_preferences_step.h"

#include "app/advanced_server_preferences_dialog.h"
#include "app/app_services.h"
#include "app/command_ids.h"
#include "app/credit_card_preferences_dialog.h"
#include "app/front_end.h"
#include "company/brenquil_doc.h"
#include "platform/env.h"
#include "publish/connection_check.h"
#include "publish/order_server.h"
#include "publish/upload_settings.h"

namespace quorvex {

ServerPreferencesStep::ServerPreferencesStep(AppServices& app)
    : StepModel(kCmdServerPreferences),
      record(*app.doc.m_pFtp),
      ftpPasswordAgain(record.ftpPassword),
      vendorPasswordAgain(record.vendorPassword),
      app_(app) {}

void ServerPreferencesStep::editAdvanced() {
  AdvancedServerPreferencesDialog dialog(app_.env.prompter(), record);
  if (app_.frontEnd.runDialog(dialog) == DialogResult::kCancel) return;
  record = dialog.record;
  notifyChanged();
}

void ServerPreferencesStep::editCreditCards() {
  CreditCardPreferencesDialog dialog(record);
  if (app_.frontEnd.runDialog(dialog) == DialogResult::kCancel) return;
  record = dialog.record;
  notifyChanged();
}

void ServerPreferencesStep::testConnection() {
  const UploadSettings settings = UploadSettings::fromPreferences(
      record, orderServerHost(app_.env.settings()), /*addOnSite=*/false);
  app_.env.prompter().showMessage(checkConnections(app_.env.ftp(), settings));
}

bool ServerPreferencesStep::accept() {
  if (record.ftpPassword != ftpPasswordAgain) {
    app_.env.prompter().showMessage(
        "The two web server passwords you typed are not the same.\nPlease, type the password "
        "again in both fields.");
    return false;
  }
  if (record.vendorPassword != vendorPasswordAgain) {
    app_.env.prompter().showMessage(
        "The two Quorvex passwords you typed are not the same.\nPlease, type the password "
        "again in both fields.");
    return false;
  }
  return true;
}

void ServerPreferencesStep::apply() { *app_.doc.m_pFtp = record; }

}  // namespace quorvex
