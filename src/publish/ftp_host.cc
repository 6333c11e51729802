#include "publish/ftp_host.h"

namespace quorvex {

std::optional<ServerUrl> parseHostSetting(const std::string& host) {
  if (std::optional<ServerUrl> url = parseServerUrl(host)) return url;
  return parseServerUrl("ftp://" + host);
}

std::optional<FtpServerAddress> ftpAddressOf(const ServerUrl& url) {
  if (url.serverName.empty()) return std::nullopt;
  FtpServerAddress address;
  if (url.scheme == "ftp") {
    address.protocol = FtpProtocol::kFtp;
  } else if (url.scheme == "ftps") {
    address.protocol = FtpProtocol::kFtpExplicitTls;
  } else if (url.scheme == "sftp") {
    address.protocol = FtpProtocol::kSftp;
  } else {
    return std::nullopt;
  }
  address.host = url.serverName;
  address.port = url.port;
  return address;
}

}  // namespace quorvex
