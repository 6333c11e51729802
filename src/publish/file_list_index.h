#ifndef QUORVEX_PUBLISH_FILE_LIST_INDEX_H_
#define QUORVEX_PUBLISH_FILE_LIST_INDEX_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace quorvex {

class CFileList;

// Finds the entries of one CFileList by remote name and remote folder without
// searching the list, for a run that enters thousands of files (see
// CFileList::addFile). Where the list holds the same key twice, the first
// entry is the one found, as a search would find it.
//
// Built over the list as it stands. It stays right while the list changes
// only through addFile calls that are given this index (addFile only appends
// or updates entries in place, never renames or removes them); after any
// other change to the entries (removeUnused, loading, direct edits) build a
// new one.
class FileListIndex {
 public:
  explicit FileListIndex(const CFileList& list);

  // Returns the position of the first entry with this remote name and remote
  // folder, or nullopt.
  std::optional<size_t> find(std::string_view remoteName, std::string_view remoteFolder) const;

  // Records that the entry at `position` carries this remote name and remote
  // folder (addFile calls it after appending). Keeps an earlier position.
  void add(std::string_view remoteName, std::string_view remoteFolder, size_t position);

 private:
  // Folder and name joined so that no two different pairs give the same key.
  static std::string key(std::string_view remoteName, std::string_view remoteFolder);

  std::unordered_map<std::string, size_t> positions_;
};

}  // namespace quorvex

#endif  // QUORVEX_PUBLISH_FILE_LIST_INDEX_H_
