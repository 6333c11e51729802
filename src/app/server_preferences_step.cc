#include "app/server_preferences_step.h"

#include "app/advanced_server_preferences_dialog.h"
#include "app/app_services.h"
#include "app/command_ids.h"
#include "app/credit_card_preferences_dialog.h"
#include "app/front_end.h"
#include "company/brenquil_doc.h"
#include "platform/env.h"
#include "platform/server_url.h"
#include "platform/strings.h"
#include "publish/connection_check.h"
#include "publish/ftp_host.h"
#include "publish/order_server.h"
#include "publish/upload_settings.h"

namespace quorvex {

namespace {

// True when `host` is a host name or IPv4 address (letters, digits, dots
// and hyphens, no empty label) or, when `bracketed`, an IPv6 address.
bool isOriginHost(const std::string& host, bool bracketed) {
  if (bracketed) {
    return !host.empty() && host.find_first_not_of("0123456789abcdef:.") == std::string::npos;
  }
  if (host.empty() || host.front() == '.' || host.back() == '.' ||
      host.find("..") != std::string::npos) {
    return false;
  }
  return host.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789.-") == std::string::npos;
}

// True when `origin` is a web origin as browsers send it: "http://" or
// "https://", a host and an optional ":PORT", nothing else. Case does not
// matter; the order data holds it lowered.
bool isWebOrigin(const std::string& origin) {
  const std::string lowered = toLowerAscii(origin);
  std::optional<ServerUrl> url = parseServerUrl(lowered);
  if (!url || (url->scheme != "http" && url->scheme != "https")) return false;
  const bool bracketed = url->serverName.find(':') != std::string::npos;
  if (!isOriginHost(url->serverName, bracketed)) return false;
  // Rebuilt from its parts, an origin gives back the text itself; a path,
  // credentials, an empty or zero-led port do not.
  std::string rebuilt = url->scheme + "://" +
                        (bracketed ? "[" + url->serverName + "]" : url->serverName);
  if (url->port != 0) rebuilt += ":" + std::to_string(url->port);
  return rebuilt == lowered;
}

// True when `host` names a server the program can log in to by FTP.
bool isOrderServerHost(const std::string& host) {
  std::optional<ServerUrl> url = parseHostSetting(host);
  return url && ftpAddressOf(*url);
}

}  // namespace

ServerPreferencesStep::ServerPreferencesStep(AppServices& app)
    : StepModel(kCmdServerPreferences),
      record(*app.doc.m_pFtp),
      ftpPasswordAgain(record.ftpPassword),
      vendorPasswordAgain(record.vendorPassword),
      orderServerHost(storedOrderServerHost(app.env.settings())),
      app_(app),
      storedOrderServerHost_(orderServerHost),
      orderServerOverride_(quorvex::orderServerOverride().value_or("")) {}

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
      record, orderServerOverride_.empty() ? orderServerHost : orderServerOverride_,
      /*addOnSite=*/false);
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
  if (!isOrderServerHost(orderServerHost)) {
    app_.env.prompter().showMessage(
        "\"" + orderServerHost +
        "\" does not name an order server.\nType its host name (orders.example.com), a host "
        "and port (127.0.0.1:2121) or an ftp://, ftps:// or sftp:// address.");
    return false;
  }
  for (const std::string& origin : record.extraOriginList()) {
    if (isWebOrigin(origin)) continue;
    app_.env.prompter().showMessage(
        "\"" + origin +
        "\" is not a web origin.\nType each other address of the shop as http:// or "
        "https://, a host name and, if needed, a colon and a port, with nothing after them, "
        "such as https://shop.example.org.");
    return false;
  }
  // The host is no part of the document, so it is stored here, where a
  // failure can still keep the dialog open, rather than in apply().
  if (orderServerHost != storedOrderServerHost_) {
    Status stored =
        app_.env.settings().setString(kOrderServerSection, kOrderServerKey, orderServerHost);
    if (!stored.ok()) {
      app_.env.prompter().showMessage("The order server could not be stored in your settings:\n" +
                                      stored.message());
      return false;
    }
    storedOrderServerHost_ = orderServerHost;
  }
  return true;
}

void ServerPreferencesStep::apply() { *app_.doc.m_pFtp = record; }

}  // namespace quorvex
