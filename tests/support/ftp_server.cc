#include "support/ftp_server.h"

#include <cstdlib>

namespace quorvex::testing {

namespace {

std::vector<std::string> serverArguments(
    const std::filesystem::path& root, const std::vector<FtpAccount>& accounts,
    const std::optional<std::filesystem::path>& tlsFolder) {
  std::vector<std::string> args = {root.string()};
  for (const FtpAccount& account : accounts) {
    args.push_back(account.user + ":" + account.password + ":" + account.folder);
  }
  if (tlsFolder) {
    args.push_back("--tls");
    args.push_back(tlsFolder->string());
  }
  return args;
}

}  // namespace

int portOfLine(const std::string& line) {
  if (line.rfind("PORT ", 0) != 0) return 0;
  return std::atoi(line.c_str() + 5);
}

FtpServer::FtpServer(const std::filesystem::path& root, const std::vector<FtpAccount>& accounts,
                     const std::optional<std::filesystem::path>& tlsFolder)
    : process_("ftp_server.py", serverArguments(root, accounts, tlsFolder)),
      port_(portOfLine(process_.readLine())) {}

}  // namespace quorvex::testing
