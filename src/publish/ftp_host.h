#ifndef QUORVEX_PUBLISH_FTP_HOST_H_
#define QUORVEX_PUBLISH_FTP_HOST_H_

#include <optional>
#include <string>

#include "platform/ftp_client.h"
#include "platform/server_url.h"

namespace quorvex {

// Returns the host a user entered as a URL: the text itself when it is one,
// else "ftp://" + the text (a bare server name, possibly with a port);
// nullopt when neither is a URL.
std::optional<ServerUrl> parseHostSetting(const std::string& host);

// Returns where to connect for `url`: ftp:// is plain FTP, ftps:// FTP with
// explicit TLS, sftp:// SFTP. Returns nullopt for any other service and for
// an empty server name. The URL's path is not used.
std::optional<FtpServerAddress> ftpAddressOf(const ServerUrl& url);

}  // namespace quorvex

#endif  // QUORVEX_PUBLISH_FTP_HOST_H_
