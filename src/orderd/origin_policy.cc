#include "orderd/origin_policy.h"

#include <algorithm>

#include "platform/strings.h"

namespace quorvex {

namespace {

constexpr std::string_view kWww = "www.";
constexpr std::string_view kAnyPort = ":*";

}  // namespace

std::vector<std::string> shopOriginsOf(const OrderCatalogue& catalogue) {
  std::vector<std::string> origins;
  const std::string origin = toLowerAscii(catalogue.shopOrigin);
  const size_t hostStart = origin.find("://");
  if (hostStart != std::string::npos) {
    std::string_view host = std::string_view(origin).substr(hostStart + 3);
    if (host.starts_with(kWww)) host.remove_prefix(kWww.size());
    for (const char* scheme : {"https://", "http://"}) {
      for (std::string_view prefix : {std::string_view(), kWww}) {
        origins.push_back(scheme + std::string(prefix) + std::string(host));
      }
    }
  }
  for (const std::string& extra : catalogue.extraOrigins) origins.push_back(toLowerAscii(extra));
  return origins;
}

OriginPolicy::OriginPolicy(std::vector<std::string> serverOrigins)
    : serverOrigins_(std::move(serverOrigins)) {}

bool OriginPolicy::allows(std::string_view origin,
                          const std::vector<std::string>& shopOrigins) const {
  if (origin.empty()) return false;
  const std::string asked = toLowerAscii(origin);
  if (std::find(shopOrigins.begin(), shopOrigins.end(), asked) != shopOrigins.end()) return true;
  return std::any_of(serverOrigins_.begin(), serverOrigins_.end(), [&](const std::string& allowed) {
    if (!allowed.ends_with(kAnyPort)) return equalsIgnoreCase(allowed, asked);
    // The scheme and host, then a colon and digits only.
    const std::string_view start = std::string_view(allowed).substr(0, allowed.size() - 1);
    if (asked.size() <= start.size() || !equalsIgnoreCase(asked.substr(0, start.size()), start)) {
      return false;
    }
    return std::all_of(asked.begin() + static_cast<long>(start.size()), asked.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
  });
}

}  // namespace quorvex
