#ifndef QUORVEX_APP_BROWSER_CHECK_H_
#define QUORVEX_APP_BROWSER_CHECK_H_

#include <optional>
#include <string>

namespace quorvex {

// The version numbers the browser component reports.
struct BrowserVersion {
  int major = 0;
  int minor = 0;
  int build = 0;
};

// What the help commands know of the browser component: a name for the
// messages and whether it can show the help.
struct BrowserInfo {
  std::string name = "Unknown";
  bool ready = false;
};

// Names the browser component from its version: "Unknown" and not ready when
// the query failed (nullopt) or gave major 0; otherwise the release the
// numbers identify ("4.01 Service Pack 2 (SP2)"), ready from release 4.0 on.
BrowserInfo browserCheck(const std::optional<BrowserVersion>& version);

}  // namespace quorvex

#endif  // QUORVEX_APP_BROWSER_CHECK_H_
