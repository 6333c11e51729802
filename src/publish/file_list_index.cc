#include "publish/file_list_index.h"

#include "publish/file_list.h"

namespace quorvex {

FileListIndex::FileListIndex(const CFileList& list) {
  positions_.reserve(list.entries.size());
  for (size_t position = 0; position < list.entries.size(); ++position) {
    const CFileEntry& entry = list.entries[position];
    add(entry.remoteName, entry.remoteFolder, position);
  }
}

std::optional<size_t> FileListIndex::find(std::string_view remoteName,
                                          std::string_view remoteFolder) const {
  auto found = positions_.find(key(remoteName, remoteFolder));
  if (found == positions_.end()) return std::nullopt;
  return found->second;
}

void FileListIndex::add(std::string_view remoteName, std::string_view remoteFolder,
                        size_t position) {
  positions_.try_emplace(key(remoteName, remoteFolder), position);
}

std::string FileListIndex::key(std::string_view remoteName, std::string_view remoteFolder) {
  std::string joined = std::to_string(remoteFolder.size());
  joined += ':';
  joined += remoteFolder;
  joined += remoteName;
  return joined;
}

}  // namespace quorvex
