#ifndef QUORVEX_PUBLISH_REMOTE_LAYOUT_H_
#define QUORVEX_PUBLISH_REMOTE_LAYOUT_H_

#include <string>
#include <vector>

#include "publish/file_entry.h"

namespace quorvex {

// Where the files of a published-file list lie on their server, relative to
// the folder the login starts in.

// The folder below the start folder that holds an add-on site.
inline constexpr char kAddOnFolder[] = "Quorvex";

// What the user is told when the web server's host is no server address.
inline constexpr char kInvalidHostMessage[] =
    "You have entered an invalid Internet server hostname.\n"
    "Please go to Set Your Server Preferences and check it.";

// Returns the parts of a start folder: split at every slash and backslash,
// each part trimmed of white space, empty parts left out.
std::vector<std::string> startFolderParts(const std::string& folder);

// Returns the folder of `entry` below the start folder: its remote folder,
// under kAddOnFolder on an add-on site unless the entry is bound to the
// start folder itself (rootOnAddOn).
std::string remoteFolderOf(const CFileEntry& entry, bool addOnSite);

// Returns the file of `entry` below the start folder: its remote name in
// remoteFolderOf(entry, addOnSite).
std::string remotePathOf(const CFileEntry& entry, bool addOnSite);

}  // namespace quorvex

#endif  // QUORVEX_PUBLISH_REMOTE_LAYOUT_H_
