#ifndef QUORVEX_APP_BUILD_BLOCKER_H_
#define QUORVEX_APP_BUILD_BLOCKER_H_

#include <optional>
#include <string>

namespace quorvex {

class CBrenquilDoc;

// What keeps a company's site from being built, and the wizard step that
// supplies it.
struct BuildBlocker {
  std::string message;
  int command;
};

// Returns the first thing missing before `doc`'s site can be built, in the
// order the build commands check them: a company name (Location
// Information), pages (Select Type of Site), and a product database when a
// product page needs one (Create Or Import Product List). nullopt when the
// site can be built.
std::optional<BuildBlocker> findBuildBlocker(const CBrenquilDoc& doc);

}  // namespace quorvex

#endif  // QUORVEX_APP_BUILD_BLOCKER_H_
