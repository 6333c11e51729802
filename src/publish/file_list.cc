#include "publish/file_list.h"

#include <algorithm>
#include <system_error>

#include "document/archive.h"
#include "document/field_visitor.h"
#include "platform/paths.h"
#include "publish/file_checksum.h"
#include "publish/file_list_index.h"

namespace quorvex {

void CFileList::addFile(const std::filesystem::path& home, const std::string& sourceFile,
                        const std::string& localFile, const std::string& remoteName,
                        const std::string& remoteFolder, int32_t inUse, int32_t binaryTransfer,
                        int32_t rootOnAddOn, std::optional<uint32_t> knownCrc,
                        FileListIndex* index) {
  std::optional<size_t> existing;
  if (index != nullptr) {
    existing = index->find(remoteName, remoteFolder);
  } else {
    auto found = std::find_if(entries.begin(), entries.end(), [&](const CFileEntry& entry) {
      return entry.remoteName == remoteName && entry.remoteFolder == remoteFolder;
    });
    if (found != entries.end()) existing = static_cast<size_t>(found - entries.begin());
  }
  CFileEntry* entry = nullptr;
  if (existing) {
    entry = &entries.at(*existing);
  } else {
    if (remoteName.empty() || sourceFile.empty()) return;
    entry = &entries.emplace_back();
    entry->remoteName = remoteName;
    entry->remoteFolder = remoteFolder;
    entry->binaryTransfer = binaryTransfer;
    entry->rootOnAddOn = rootOnAddOn;
    if (index != nullptr) index->add(remoteName, remoteFolder, entries.size() - 1);
  }
  entry->inUse = inUse;
  entry->sourceFile = sourceFile;
  entry->localFile = localFile;
  entry->generatedCrc = knownCrc ? *knownCrc : fileCrc32(entry->localPath(home)).value_or(0);
}

void CFileList::markAllUnused() {
  for (CFileEntry& entry : entries) entry.inUse = 0;
}

void CFileList::removeUnused(const std::filesystem::path& home,
                             const std::filesystem::path& siteFolder) {
  std::erase_if(entries, [&](const CFileEntry& entry) {
    if (entry.inUse != 0 || entry.publishedCrc != 0) return false;
    if (entry.localFile != entry.sourceFile && entry.generatedCrc != 0) {
      std::error_code ignored;
      std::filesystem::path local = entry.localPath(home);
      if (isWithin(siteFolder, local) && std::filesystem::is_regular_file(local, ignored) &&
          fileCrc32(local) == entry.generatedCrc) {
        std::filesystem::remove(local, ignored);
      }
    }
    return true;
  });
}

std::vector<std::string> CFileList::pendingFiles(const std::filesystem::path& home) const {
  std::vector<std::string> pending;
  for (const CFileEntry& entry : entries) {
    if (!entry.isChanged(home) && !entry.isToDelete()) continue;
    pending.push_back(entry.remotePath());
  }
  return pending;
}

std::vector<std::string> CFileList::remoteFolders() const {
  std::vector<std::string> folders;
  for (const CFileEntry& entry : entries) {
    if (entry.remoteFolder.empty()) continue;
    if (std::find(folders.begin(), folders.end(), entry.remoteFolder) == folders.end()) {
      folders.push_back(entry.remoteFolder);
    }
  }
  return folders;
}

void CFileList::serialize(Archive& ar) { ar.ioInlineList(entries); }

void CFileList::visitFields(FieldVisitor& visitor) { visitor.field("entries", entries); }

}  // namespace quorvex
