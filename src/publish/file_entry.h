#ifndef QUORVEX_PUBLISH_FILE_ENTRY_H_
#define QUORVEX_PUBLISH_FILE_ENTRY_H_

#include <cstdint>
#include <filesystem>
#include <string>

#include "document/record.h"

namespace quorvex {

// One file of the generated site as a published-file list records it: where
// it came from, where it lies in the site folder, where it goes on the server,
// and the CRC-32 of its content when it was generated and when it was last
// uploaded. Stored inline in its CFileList.
//
// Paths are kept as stored (backslashes allowed); a relative path is relative
// to the program folder (`home` below), an absolute one is used as it is.
class CFileEntry : public Record {
  QUORVEX_RECORD(CFileEntry)

 public:
  // 1 when the last save-site run produced this file, 0 when it no longer does.
  int32_t inUse = 0;
  // 1: transferred in binary mode (images); 0: in ASCII mode (text files).
  int32_t binaryTransfer = 0;
  // 1: on an add-on site the file goes to the server's start folder itself
  // (the index page and the old index page); 0: under the "Quorvex" folder.
  int32_t rootOnAddOn = 0;
  // The file the entry was made from (template, source image).
  std::string sourceFile;
  // The file in the site folder that is uploaded.
  std::string localFile;
  // The file name on the server.
  std::string remoteName;
  // The folder on the server relative to the upload start folder ("" for the
  // start folder itself).
  std::string remoteFolder;
  // CRC-32 of localFile when the entry was last made or refreshed; 0 when the
  // file was missing.
  uint32_t generatedCrc = 0;
  // CRC-32 of localFile at its last successful upload; 0: not on the server.
  uint32_t publishedCrc = 0;

  // Returns the local file as a path of the file system: `home` joined with
  // localFile (an absolute localFile stays as it is).
  std::filesystem::path localPath(const std::filesystem::path& home) const;

  // Returns the file's name as lists show it: "remoteFolder/remoteName", or
  // the name alone in the start folder.
  std::string remotePath() const;

  // Returns true when the file is in use and must be uploaded: the local file
  // cannot be read, was never uploaded, or its content differs from the last
  // upload.
  bool isChanged(const std::filesystem::path& home) const;
  // Returns true when the file is no longer produced but is on the server.
  bool isToDelete() const;
  // Records the current content of the local file as uploaded (publishedCrc 0
  // when it cannot be read).
  void markPublished(const std::filesystem::path& home);
  // Records the file as not on the server.
  void clearPublished();

  // Record version 4: inUse, binaryTransfer, sourceFile, localFile,
  // remoteName, remoteFolder, generatedCrc, publishedCrc, rootOnAddOn.
  // Versions 1 to 3 are read as well (see the .cc); another version reads
  // nothing more and keeps the defaults.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;

  bool operator==(const CFileEntry&) const = default;
};

}  // namespace quorvex

#endif  // QUORVEX_PUBLISH_FILE_ENTRY_H_
