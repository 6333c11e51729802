#ifndef QUORVEX_PUBLISH_UPLOAD_SETTINGS_H_
#define QUORVEX_PUBLISH_UPLOAD_SETTINGS_H_

#include <filesystem>
#include <optional>
#include <string>

#include "platform/ftp_client.h"
#include "publish/ftp_settings.h"

namespace quorvex {

// What an upload run needs to know about the servers, copied from the
// document when the publish dialog opens, so that the worker never reads the
// document's settings.
struct UploadSettings {
  // The user's web server: host as entered, account, and the start folder
  // (parts separated by slashes or backslashes).
  std::string host;
  std::string user;
  std::string password;
  std::string startFolder;
  // The order server's host and the merchant's account there, cut to its
  // first 8 characters and in lower case.
  std::string orderServerHost;
  std::string orderAccount;
  std::string orderPassword;
  // The FTP proxy every connection goes through, if any; with a proxy, data
  // connections are passive.
  std::optional<FtpProxy> proxy;
  // The site is an add-on to an existing site: its files go into the folder
  // "Quorvex" below the start folder, except the index pages.
  bool addOnSite = false;
  // The most connections an upload run opens to one server at a time
  // (UploadRun::kFilesPerConnection files waiting for each); 1 uploads
  // through one connection. Front ends offer 1 to kMostConnectionsPerServer.
  int connectionsPerServer = 4;
  static constexpr int kMostConnectionsPerServer = 8;
  // The folder the site was generated into (for an add-on site the existing
  // site's folder). Files dropped from the site lose their local copy only
  // there; empty, no local copy is deleted.
  std::filesystem::path siteFolder;

  // Returns the settings of the server preferences `ftp`.
  static UploadSettings fromPreferences(const CFtp& ftp, std::string orderServerHost,
                                        bool addOnSite);
};

// Returns the proxy of the server preferences `ftp`: none unless useProxy is
// set.
std::optional<FtpProxy> proxyOf(const CFtp& ftp);

}  // namespace quorvex

#endif  // QUORVEX_PUBLISH_UPLOAD_SETTINGS_H_
