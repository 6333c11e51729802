#ifndef QUORVEX_APP_APP_VERSION_H_
#define QUORVEX_APP_APP_VERSION_H_

#include <array>
#include <string>
#include <string_view>

namespace quorvex {

// A product version record: four numbers, such as 4,2,9,0.
using VersionRecord = std::array<int, 4>;

// Returns the version text of `record`: the four numbers joined by commas,
// cut to the first five characters, commas turned into points (4,2,9,0 gives
// "4.2.9").
std::string versionText(const VersionRecord& record);

// Returns the About box's version line: "Quorvex Version " + the version text.
std::string aboutVersionLine(const std::string& versionText);

// Returns the version record of a dotted version such as "0.1.0" (missing or
// unreadable numbers are 0).
VersionRecord parseVersionRecord(std::string_view dotted);

// Returns the version record of this build of the program.
VersionRecord programVersion();

}  // namespace quorvex

#endif  // QUORVEX_APP_APP_VERSION_H_
