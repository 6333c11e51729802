#ifndef QUORVEX_PLATFORM_CURL_FTP_CLIENT_H_
#define QUORVEX_PLATFORM_CURL_FTP_CLIENT_H_

#include <memory>
#include <optional>

#include "platform/curl_ftp_connection.h"
#include "platform/ftp_client.h"

namespace quorvex {

// The FTP client of the program, over libcurl: plain FTP, FTP with explicit
// TLS and SFTP. Without a proxy, connections follow the system's settings
// (libcurl's proxy environment variables); with one, FTP is tunnelled through
// it (an HTTP proxy unless its host names another scheme, such as socks5://).
class CurlFtpClient : public FtpClient {
 public:
  explicit CurlFtpClient(CurlFtpOptions options = {});

  std::unique_ptr<FtpSession> openSession(const std::optional<FtpProxy>& proxy) override;

 private:
  CurlFtpOptions options_;
};

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_CURL_FTP_CLIENT_H_
