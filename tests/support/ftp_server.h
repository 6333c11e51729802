#ifndef QUORVEX_TESTS_SUPPORT_FTP_SERVER_H_
#define QUORVEX_TESTS_SUPPORT_FTP_SERVER_H_

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/python_process.h"

namespace quorvex::testing {

// An account of the test FTP server, locked into `folder` below its root.
struct FtpAccount {
  std::string user;
  std::string password;
  std::string folder;
};

// A real FTP server (pyftpdlib, tests/support/ftp_server.py) on 127.0.0.1
// and a free port, serving the folder `root`, for as long as the object
// lives. Unknown user names are refused at USER, wrong passwords at PASS.
class FtpServer {
 public:
  // With `tlsFolder` the server also offers explicit TLS, with a
  // self-signed certificate for 127.0.0.1 that it writes to
  // tlsFolder/cert.pem before it listens.
  FtpServer(const std::filesystem::path& root, const std::vector<FtpAccount>& accounts,
            const std::optional<std::filesystem::path>& tlsFolder = std::nullopt);

  // 0 when the server did not start.
  int port() const { return port_; }
  // "127.0.0.1:<port>", as a host setting names the server.
  std::string host() const { return "127.0.0.1:" + std::to_string(port_); }

 private:
  PythonProcess process_;
  int port_ = 0;
};

// Returns the port of a "PORT <n>" line; 0 for another line.
int portOfLine(const std::string& line);

}  // namespace quorvex::testing

#endif  // QUORVEX_TESTS_SUPPORT_FTP_SERVER_H_
