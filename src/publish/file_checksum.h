#ifndef QUORVEX_PUBLISH_FILE_CHECKSUM_H_
#define QUORVEX_PUBLISH_FILE_CHECKSUM_H_

#include <cstdint>
#include <filesystem>
#include <optional>

namespace quorvex {

// Returns the standard CRC-32 (reflected polynomial 0xEDB88320, the checksum
// of zlib and PKZIP) of the whole content of `file`, read in chunks so that a
// large file is never held in memory. Returns nullopt when the file cannot be
// opened or read to its end.
std::optional<uint32_t> fileCrc32(const std::filesystem::path& file);

}  // namespace quorvex

#endif  // QUORVEX_PUBLISH_FILE_CHECKSUM_H_
