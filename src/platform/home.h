#ifndef QUORVEX_PLATFORM_HOME_H_
#define QUORVEX_PLATFORM_HOME_H_

#include <filesystem>
#include <optional>
#include <string>

#include "platform/status.h"

namespace quorvex {

// The program folder ("home"): the root of company documents, site folders and
// the installed template folders. Everything relative is relative to it.

// Returns the home chosen by `--home` (when given), else $QUORVEX_HOME, else
// ${XDG_DATA_HOME:-~/.local/share}/quorvex.
std::filesystem::path resolveHome(const std::optional<std::string>& home_flag);

// Returns the installed data folder the home is seeded from: $QUORVEX_DATA_DIR
// when set, else share/quorvex beside the program's bin/ folder when the
// program was installed, else the folder the program was built with.
std::filesystem::path installedDataDir();

// Creates `home` if needed and copies into it every top-level entry of
// `data_dir` that the home lacks. Entries the home already has are left as
// they are, so a user's edits of the template folders survive.
Status seedHome(const std::filesystem::path& home, const std::filesystem::path& data_dir);

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_HOME_H_
