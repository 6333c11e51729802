#include "publish/upload_settings.h"

#include <utility>

namespace quorvex {

UploadSettings UploadSettings::fromPreferences(const CFtp& ftp, std::string orderServerHost,
                                               bool addOnSite) {
  UploadSettings settings;
  settings.host = ftp.ftpHost;
  settings.user = ftp.ftpUser;
  settings.password = ftp.ftpPassword;
  settings.startFolder = ftp.ftpFolder;
  settings.orderServerHost = std::move(orderServerHost);
  settings.orderAccount = ftp.publishingVendorId();
  settings.orderPassword = ftp.publishingVendorPassword();
  settings.proxy = proxyOf(ftp);
  settings.addOnSite = addOnSite;
  return settings;
}

std::optional<FtpProxy> proxyOf(const CFtp& ftp) {
  if (ftp.useProxy == 0) return std::nullopt;
  return FtpProxy{ftp.proxyHost, ftp.proxyPort};
}

}  // namespace quorvex
