#include "publish/web_server.h"

#include <utility>

namespace quorvex {

ServerConnection connectToWebServer(FtpSession& session, const FtpServerAddress& address,
                                    const UploadSettings& settings) {
  ServerConnection result;
  result.serverName = address.host;
  const std::string& server = address.host;
  FtpLogin login =
      session.connect(address, settings.user, settings.password, settings.proxy.has_value());
  switch (login.failure) {
    case FtpLoginFailure::kNone:
      result.connection = std::move(login.connection);
      break;
    case FtpLoginFailure::kWrongUser:
      result.errorText = "Could not connect you with " + server +
                         ".\nPlease check that the host and username are correct and try again.";
      break;
    case FtpLoginFailure::kWrongPassword:
      result.errorText = "The password you specified was not accepted by " + server +
                         ".\nPlease check that the host is correct, retype your password, and "
                         "try again.";
      break;
    case FtpLoginFailure::kOther:
      result.errorText = login.errorText.empty()
                             ? "Could not create an FTP connection to " + server + "."
                             : "Error connecting to " + server + ":\n" + login.errorText;
      break;
  }
  return result;
}

}  // namespace quorvex
