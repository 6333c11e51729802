#include "publish/file_entry.h"

#include "document/archive.h"
#include "document/field_visitor.h"
#include "platform/paths.h"
#include "publish/file_checksum.h"

namespace quorvex {

std::filesystem::path CFileEntry::localPath(const std::filesystem::path& home) const {
  return home / nativePath(localFile);
}

std::string CFileEntry::remotePath() const {
  return remoteFolder.empty() ? remoteName : remoteFolder + "/" + remoteName;
}

bool CFileEntry::isChanged(const std::filesystem::path& home) const {
  if (inUse != 1) return false;
  if (publishedCrc == 0) return true;
  std::optional<uint32_t> crc = fileCrc32(localPath(home));
  return !crc || *crc != publishedCrc;
}

bool CFileEntry::isToDelete() const { return inUse == 0 && publishedCrc != 0; }

void CFileEntry::markPublished(const std::filesystem::path& home) {
  publishedCrc = fileCrc32(localPath(home)).value_or(0);
}

void CFileEntry::clearPublished() { publishedCrc = 0; }

// Stored forms by record version:
//   1: one int32 discarded, inUse, binaryTransfer, the four strings, then 15
//      int32 discarded (no checksums);
//   2: one int32 discarded, inUse, binaryTransfer, the four strings,
//      generatedCrc, publishedCrc;
//   3: as 2 without the leading int32;
//   4: as 3, then rootOnAddOn.
void CFileEntry::serialize(Archive& ar) {
  const int32_t version = ar.recordVersion(4);
  if (version < 1 || version > 4) return;
  int32_t discarded = 0;
  if (version <= 2) ar.io(discarded);
  ar.io(inUse);
  ar.io(binaryTransfer);
  ar.io(sourceFile);
  ar.io(localFile);
  ar.io(remoteName);
  ar.io(remoteFolder);
  if (version == 1) {
    for (int i = 0; i < 15; ++i) ar.io(discarded);
    return;
  }
  ar.io(generatedCrc);
  ar.io(publishedCrc);
  if (version >= 4) ar.io(rootOnAddOn);
}

void CFileEntry::visitFields(FieldVisitor& visitor) {
  visitor.field("inUse", inUse);
  visitor.field("binaryTransfer", binaryTransfer);
  visitor.field("sourceFile", sourceFile);
  visitor.field("localFile", localFile);
  visitor.field("remoteName", remoteName);
  visitor.field("remoteFolder", remoteFolder);
  visitor.field("generatedCrc", generatedCrc);
  visitor.field("publishedCrc", publishedCrc);
  visitor.field("rootOnAddOn", rootOnAddOn);
}

}  // namespace quorvex
