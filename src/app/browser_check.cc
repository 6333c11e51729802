#include "app/browser_check.h"

namespace quorvex {

namespace {

// The name of a 4.x release, by minor and build number.
BrowserInfo releaseFour(int minor, int build) {
  switch (minor) {
    case 40: return {build < 520 ? "1.0 (Plus!)" : "2.0", false};
    case 70:
      if (build < 1158) return {"3.0", false};
      if (build < 1215) return {"3.0 (OSR2)", false};
      return {build < 1300 ? "3.01" : "3.02", false};
    case 71:
      if (build < 1008) return {"4.0 Platform Preview 1.0 (PP1)", true};
      return {build < 1712 ? "4.0 Platform Preview 2.0 (PP2)" : "4.0", true};
    case 72:
      if (build < 3110) return {"4.01", true};
      return {build < 3612 ? "4.01 Service Pack 1 (SP1)" : "4.01 Service Pack 2 (SP2)", true};
    default: return {"Unknown", minor > 72};
  }
}

// The name of a 5.x release, by minor and build number.
BrowserInfo releaseFive(int minor, int build) {
  if (minor != 0) return {"Unknown", true};
  if (build < 910) return {"5 Developer Preview (Beta 1)", true};
  return {build < 2014 ? "5 Beta (Beta 2)" : "5", true};
}

}  // namespace

BrowserInfo browserCheck(const std::optional<BrowserVersion>& version) {
  if (!version || version->major < 4) return {};
  if (version->major == 4) return releaseFour(version->minor, version->build);
  if (version->major == 5) return releaseFive(version->minor, version->build);
  return {"Unknown", true};
}

}  // namespace quorvex
