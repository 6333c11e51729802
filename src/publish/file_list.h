#ifndef QUORVEX_PUBLISH_FILE_LIST_H_
#define QUORVEX_PUBLISH_FILE_LIST_H_

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "document/record.h"
#include "publish/file_entry.h"

namespace quorvex {

class FileListIndex;

// A published-file list: the files of the generated site that go to one
// server (the user's web server or the vendor's order server), in the order
// the save-site run entered them. An entry is identified by its remote name
// and remote folder (compared byte for byte).
//
// The save-site run marks every entry unused, enters each file it writes with
// addFile and finally drops with removeUnused what it no longer produced and
// was never uploaded; the upload run transfers the entries that isChanged or
// isToDelete and records the result on the entry.
//
// Operations that read or delete files take `home`, the program folder that
// relative stored paths are relative to.
class CFileList : public Record {
  QUORVEX_RECORD(CFileList)

 public:
  std::vector<CFileEntry> entries;

  // Enters a produced file. When an entry with the same remote name and
  // remote folder exists, its inUse, sourceFile and localFile take the new
  // values and its generatedCrc is recomputed (binaryTransfer, rootOnAddOn and
  // publishedCrc stay). Otherwise, when both the remote name and the source
  // path are non-empty, appends a new entry with the CRC-32 of the local file
  // (0 when it cannot be read) and publishedCrc 0; else does nothing.
  //
  // `knownCrc`, when given, is the CRC-32 of the local file's content as the
  // caller has just written or compared it, and is taken instead of reading
  // the file. `index`, when given, finds the existing entry instead of a
  // search through the list and learns the appended one; it must have been
  // built over this list (see FileListIndex).
  void addFile(const std::filesystem::path& home, const std::string& sourceFile,
               const std::string& localFile, const std::string& remoteName,
               const std::string& remoteFolder, int32_t inUse, int32_t binaryTransfer,
               int32_t rootOnAddOn, std::optional<uint32_t> knownCrc = std::nullopt,
               FileListIndex* index = nullptr);

  // Sets inUse to 0 in every entry.
  void markAllUnused();

  // Removes every entry that is unused and not on the server (inUse 0 and
  // publishedCrc 0). Before it goes, its local file is deleted when it is a
  // regular file in `siteFolder` (the folder the site is generated into), not
  // the source file itself (localFile equal to sourceFile), and its content
  // still has the generatedCrc recorded when it was produced: a path stored
  // in a document never makes it delete a file the program did not write.
  void removeUnused(const std::filesystem::path& home, const std::filesystem::path& siteFolder);

  // Returns the files the server does not hold as the list says it should:
  // every entry still to upload (isChanged) or to delete (isToDelete), as
  // "remoteFolder/remoteName" (the name alone in the start folder), in list
  // order. Empty after an upload run that did all it had to.
  std::vector<std::string> pendingFiles(const std::filesystem::path& home) const;

  // Returns the distinct non-empty remote folders in order of first
  // occurrence.
  std::vector<std::string> remoteFolders() const;

  // Schema 1: the entries as an inline list.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;

  bool operator==(const CFileList&) const = default;
};

}  // namespace quorvex

#endif  // QUORVEX_PUBLISH_FILE_LIST_H_
