#include "publish/file_checksum.h"

#include <zlib.h>

#include <array>
#include <cstdio>
#include <memory>

namespace quorvex {

std::optional<uint32_t> fileCrc32(const std::filesystem::path& file) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> stream(std::fopen(file.c_str(), "rb"),
                                                         &std::fclose);
  if (!stream) return std::nullopt;
  std::array<unsigned char, 64 * 1024> chunk;
  uLong crc = crc32(0L, Z_NULL, 0);
  size_t got = 0;
  while ((got = std::fread(chunk.data(), 1, chunk.size(), stream.get())) > 0) {
    crc = crc32(crc, chunk.data(), static_cast<uInt>(got));
  }
  if (std::ferror(stream.get())) return std::nullopt;
  return static_cast<uint32_t>(crc);
}

}  // namespace quorvex
