#ifndef QUORVEX_PLATFORM_SERVER_URL_H_
#define QUORVEX_PLATFORM_SERVER_URL_H_

#include <optional>
#include <string>
#include <string_view>

namespace quorvex {

// The parts of a server URL: "scheme://[user[:password]@]server[:port][/path]".
struct ServerUrl {
  // In lower case, e.g. "ftp", "ftps", "sftp", "http".
  std::string scheme;
  // May be empty ("ftp://").
  std::string serverName;
  // 0 when the URL names none.
  int port = 0;
  // From the first slash after the server on; may be empty.
  std::string path;
};

// Splits `text` into its parts; returns nullopt when it is not a URL: no
// "scheme://" at its start, a port that is not a number from 1 to 65535, or
// white space or control characters in the server part.
std::optional<ServerUrl> parseServerUrl(std::string_view text);

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_SERVER_URL_H_
