#ifndef QUORVEX_PUBLISH_ORDER_SERVER_H_
#define QUORVEX_PUBLISH_ORDER_SERVER_H_

#include <memory>
#include <optional>
#include <string>

#include "platform/ftp_client.h"
#include "platform/settings_store.h"

namespace quorvex {

// The vendor's order server as the program sees it: a host name, and the
// merchant's account there.

// Where the settings store keeps the order server's host name.
inline constexpr char kOrderServerSection[] = "Order Server";
inline constexpr char kOrderServerKey[] = "Host";
// The host name when nothing else is set.
inline constexpr char kDefaultOrderServerHost[] = "orders.quorvex.com";

// The environment variable that names the order server in place of the
// settings store's entry (for a test server or a script).
inline constexpr char kOrderServerVariable[] = "QUORVEX_ORDER_SERVER";

// Returns the host kOrderServerVariable names; nullopt when it is not set or
// empty.
std::optional<std::string> orderServerOverride();

// Returns the order server's host as the settings store keeps it, else
// kDefaultOrderServerHost.
std::string storedOrderServerHost(SettingsStore& settings);

// Returns the order server's host (a server name or URL): orderServerOverride()
// when there is one, else storedOrderServerHost().
std::string orderServerHost(SettingsStore& settings);

// Returns the address the shops post their orders to for the order server
// `host` (as orderServerHost gives it): "https://SERVER/order" for a server
// without a port, the service behind the HTTPS proxy; for a server with a
// port, a local order server that takes the orders over plain HTTP on the
// next port, "http://SERVER:PORT+1/order". Empty when `host` names no server.
std::string orderPostAddress(const std::string& host);

// A connection to a server, or the message that says why there is none.
struct ServerConnection {
  std::unique_ptr<FtpConnection> connection;
  // The server's name, as messages about it show it.
  std::string serverName;
  // Empty when connected.
  std::string errorText;
};

// Connects to the order server `host` with the merchant's account. On failure
// the connection is null and errorText is what the user is told: a refused
// account, a refused password, or that the server could not be reached.
ServerConnection connectToOrderServer(FtpSession& session, const std::string& host,
                                      const std::string& account, const std::string& password,
                                      bool passive);

}  // namespace quorvex

#endif  // QUORVEX_PUBLISH_ORDER_SERVER_H_
