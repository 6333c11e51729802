#include "publish/order_server.h"

#include <cstdlib>

#include "publish/ftp_host.h"

namespace quorvex {

std::optional<std::string> orderServerOverride() {
  const char* variable = std::getenv(kOrderServerVariable);
  if (variable == nullptr || *variable == '\0') return std::nullopt;
  return variable;
}

std::string storedOrderServerHost(SettingsStore& settings) {
  return settings.getString(kOrderServerSection, kOrderServerKey, kDefaultOrderServerHost);
}

std::string orderServerHost(SettingsStore& settings) {
  return orderServerOverride().value_or(storedOrderServerHost(settings));
}

std::string orderPostAddress(const std::string& host) {
  std::optional<ServerUrl> url = parseHostSetting(host);
  if (!url || url->serverName.empty()) return "";
  if (url->port == 0) return "https://" + url->serverName + "/order";
  return "http://" + url->serverName + ":" + std::to_string(url->port + 1) + "/order";
}

ServerConnection connectToOrderServer(FtpSession& session, const std::string& host,
                                      const std::string& account, const std::string& password,
                                      bool passive) {
  ServerConnection result;
  std::optional<ServerUrl> url = parseHostSetting(host);
  std::optional<FtpServerAddress> address = url ? ftpAddressOf(*url) : std::nullopt;
  result.serverName = address ? address->host : host;
  FtpLogin login;
  if (address) {
    login = session.connect(*address, account, password, passive);
  } else {
    login.failure = FtpLoginFailure::kOther;
  }
  switch (login.failure) {
    case FtpLoginFailure::kNone:
      result.connection = std::move(login.connection);
      break;
    case FtpLoginFailure::kWrongUser:
      result.errorText =
          "Could not connect you to the Quorvex Software server.\n"
          "Please check that the Quorvex ID you specified was typed correctly.";
      break;
    case FtpLoginFailure::kWrongPassword:
      result.errorText =
          "The Quorvex password you specified was not accepted.\n"
          "Please retype it and try again.";
      break;
    case FtpLoginFailure::kOther:
      result.errorText =
          login.errorText.empty()
              ? "Could not create an FTP connection to the Quorvex Software server."
              : "Error connecting to Quorvex Software server:\n" + login.errorText;
      break;
  }
  return result;
}

}  // namespace quorvex
