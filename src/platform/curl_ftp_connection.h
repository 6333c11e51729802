#ifndef QUORVEX_PLATFORM_CURL_FTP_CONNECTION_H_
#define QUORVEX_PLATFORM_CURL_FTP_CONNECTION_H_

#include <curl/curl.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/ftp_client.h"

namespace quorvex {

// What every libcurl connection of a client shares.
struct CurlFtpOptions {
  // Certificates that a TLS server may be signed with; empty: the system's.
  std::string caFile = {};
  // The SSH known-hosts file an SFTP server's key must be listed in; empty:
  // ~/.ssh/known_hosts.
  std::string knownHostsFile = {};
  // Seconds a server may stay silent before an operation fails.
  long timeoutSeconds = 60;
};

// An FtpConnection over one libcurl handle. libcurl keeps the logged-in
// control connection open between requests and reopens it by itself when the
// server dropped it; the current folder is kept here and sent with every
// request as the URL's path.
class CurlFtpConnection : public FtpConnection {
 public:
  // Connects to `server` and logs in (see FtpSession::connect). `proxy` is
  // the session's proxy, if any.
  static FtpLogin open(const FtpServerAddress& server, const std::string& user,
                       const std::string& password, bool passive,
                       const std::optional<FtpProxy>& proxy, const CurlFtpOptions& options);

  ~CurlFtpConnection() override;
  CurlFtpConnection(const CurlFtpConnection&) = delete;
  CurlFtpConnection& operator=(const CurlFtpConnection&) = delete;

  FtpReply createFolder(const std::string& name) override;
  [[nodiscard]] bool changeFolder(const std::string& name) override;
  FtpReply putFile(const std::filesystem::path& local, const std::string& remote,
                   FtpTransferMode mode) override;
  FtpReply getFile(const std::string& remote, const std::filesystem::path& local,
                   FtpTransferMode mode) override;
  FtpReply listFolder(const std::string& name, std::vector<FtpFolderEntry>* entries) override;
  FtpReply remove(const std::string& remote) override;
  FtpReply rename(const std::string& from, const std::string& to) override;
  std::string lastErrorText() const override;

 private:
  CurlFtpConnection(CURL* curl, const FtpServerAddress& server, std::string user,
                    std::string password, bool passive, std::optional<FtpProxy> proxy,
                    const CurlFtpOptions& options);

  // Clears the previous request's options and sets those every request has.
  void startRequest();
  // Runs the prepared request and records its outcome.
  CURLcode perform();
  // Classifies the outcome of the last request.
  FtpReply replyOf(CURLcode code) const;
  // Fetches the listing of the folder `path` into `text`: the answer to
  // `command` instead of LIST when one is given.
  CURLcode fetchListing(const std::vector<std::string>& path, const char* command,
                        std::string* text);
  // Sends `commands` after entering the current folder.
  FtpReply runCommands(const std::vector<std::string>& commands);
  // The URL of `path` (components) below the login folder; a folder's URL
  // ends with a slash.
  std::string urlOf(const std::vector<std::string>& path, bool folder) const;
  // The current folder joined with the relative name `name`.
  std::vector<std::string> pathOf(const std::string& name) const;
  // `name` relative to the login folder, as SFTP commands take it.
  std::string sftpPathOf(const std::string& name) const;
  // Returns false (and sets the error text) when `name` could smuggle a
  // second command into the control connection.
  bool acceptName(const std::string& name);

  static int onDebug(CURL* curl, curl_infotype type, char* data, size_t size, void* self);

  CURL* curl_;
  FtpServerAddress server_;
  std::string user_;
  std::string password_;
  bool passive_;
  std::optional<FtpProxy> proxy_;
  CurlFtpOptions options_;
  std::vector<std::string> folder_;
  // The verb of the last command sent and the last reply line received.
  std::string last_command_;
  std::string last_reply_;
  std::string error_text_;
};

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_CURL_FTP_CONNECTION_H_
