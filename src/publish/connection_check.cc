#include "publish/connection_check.h"

#include <memory>
#include <optional>

#include "publish/ftp_host.h"
#include "publish/order_server.h"
#include "publish/web_server.h"

namespace quorvex {

namespace {

std::string outcome(const std::string& server, const ServerConnection& connection) {
  if (connection.connection == nullptr) return connection.errorText;
  return server + " (" + connection.serverName + "): logged in successfully.";
}

}  // namespace

std::string checkConnections(FtpClient& client, const UploadSettings& settings) {
  std::unique_ptr<FtpSession> session = client.openSession(settings.proxy);
  if (session == nullptr) return "Could not open an Internet session.";
  std::string web;
  std::optional<ServerUrl> url = parseHostSetting(settings.host);
  std::optional<FtpServerAddress> address = url ? ftpAddressOf(*url) : std::nullopt;
  if (!address) {
    web = "Your web server: \"" + settings.host + "\" is not a valid FTP host name.";
  } else {
    web = outcome("Your web server", connectToWebServer(*session, *address, settings));
  }
  const std::string order =
      outcome("The order server",
              connectToOrderServer(*session, settings.orderServerHost, settings.orderAccount,
                                   settings.orderPassword, settings.proxy.has_value()));
  return web + "\n\n" + order;
}

}  // namespace quorvex
