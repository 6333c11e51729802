#include "publish/remote_layout.h"

namespace quorvex {

std::vector<std::string> startFolderParts(const std::string& folder) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= folder.size()) {
    size_t end = folder.find_first_of("/\\", start);
    if (end == std::string::npos) end = folder.size();
    std::string part = folder.substr(start, end - start);
    size_t first = part.find_first_not_of(" \t\r\n");
    if (first != std::string::npos) {
      parts.push_back(part.substr(first, part.find_last_not_of(" \t\r\n") - first + 1));
    }
    start = end + 1;
  }
  return parts;
}

std::string remoteFolderOf(const CFileEntry& entry, bool addOnSite) {
  if (!addOnSite || (entry.remoteFolder.empty() && entry.rootOnAddOn != 0)) {
    return entry.remoteFolder;
  }
  return entry.remoteFolder.empty() ? std::string(kAddOnFolder)
                                    : std::string(kAddOnFolder) + "/" + entry.remoteFolder;
}

std::string remotePathOf(const CFileEntry& entry, bool addOnSite) {
  const std::string folder = remoteFolderOf(entry, addOnSite);
  return folder.empty() ? entry.remoteName : folder + "/" + entry.remoteName;
}

}  // namespace quorvex
