#include "platform/server_url.h"

#include <charconv>

#include "platform/strings.h"

namespace quorvex {

namespace {

bool isSchemeChar(char c, bool first) {
  const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  if (first) return letter;
  return letter || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

}  // namespace

std::optional<ServerUrl> parseServerUrl(std::string_view text) {
  size_t separator = text.find("://");
  if (separator == std::string_view::npos || separator == 0) return std::nullopt;
  for (size_t i = 0; i < separator; ++i) {
    if (!isSchemeChar(text[i], i == 0)) return std::nullopt;
  }
  ServerUrl url;
  url.scheme = toLowerAscii(text.substr(0, separator));
  std::string_view rest = text.substr(separator + 3);
  size_t path_start = rest.find_first_of("/?#");
  std::string_view authority = rest.substr(0, path_start);
  if (path_start != std::string_view::npos) url.path = std::string(rest.substr(path_start));
  for (char c : authority) {
    if (static_cast<unsigned char>(c) <= ' ' || c == 0x7f) return std::nullopt;
  }
  // Credentials in the URL are not used: the account comes from the settings.
  if (size_t at = authority.rfind('@'); at != std::string_view::npos) {
    authority.remove_prefix(at + 1);
  }
  std::string_view server = authority;
  std::string_view port;
  if (authority.starts_with('[')) {
    size_t close = authority.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    server = authority.substr(1, close - 1);
    std::string_view after = authority.substr(close + 1);
    if (!after.empty()) {
      if (after.front() != ':') return std::nullopt;
      port = after.substr(1);
    }
  } else if (size_t colon = authority.rfind(':'); colon != std::string_view::npos) {
    server = authority.substr(0, colon);
    port = authority.substr(colon + 1);
  }
  if (!port.empty()) {
    int number = 0;
    auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), number);
    if (error != std::errc() || end != port.data() + port.size() || number < 1 || number > 65535) {
      return std::nullopt;
    }
    url.port = number;
  }
  url.serverName = std::string(server);
  return url;
}

}  // namespace quorvex
