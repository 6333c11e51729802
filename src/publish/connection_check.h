#ifndef QUORVEX_PUBLISH_CONNECTION_CHECK_H_
#define QUORVEX_PUBLISH_CONNECTION_CHECK_H_

#include <string>

#include "platform/ftp_client.h"
#include "publish/upload_settings.h"

namespace quorvex {

// Logs in to the web server and to the order server of `settings` through
// `client`, transfers nothing and logs out again. Returns what a user is
// told: one paragraph per server, saying that the login succeeded or why it
// failed.
std::string checkConnections(FtpClient& client, const UploadSettings& settings);

}  // namespace quorvex

#endif  // QUORVEX_PUBLISH_CONNECTION_CHECK_H_
