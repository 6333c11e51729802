#ifndef QUORVEX_PUBLISH_WEB_SERVER_H_
#define QUORVEX_PUBLISH_WEB_SERVER_H_

#include "platform/ftp_client.h"
#include "publish/order_server.h"
#include "publish/upload_settings.h"

namespace quorvex {

// Connects to the user's web server at `address` with the account of
// `settings` (passive when it names a proxy). On failure the connection is
// null and errorText is what the user is told: a refused user name, a
// refused password, or that the server could not be reached.
ServerConnection connectToWebServer(FtpSession& session, const FtpServerAddress& address,
                                    const UploadSettings& settings);

}  // namespace quorvex

#endif  // QUORVEX_PUBLISH_WEB_SERVER_H_
