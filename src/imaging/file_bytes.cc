#include "imaging/file_bytes.h"

#include <cstdio>
#include <memory>

namespace quorvex {

namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

std::optional<std::string> readFileBytes(const std::filesystem::path& path) {
  File file(std::fopen(path.c_str(), "rb"));
  if (!file) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, got);
  if (std::ferror(file.get())) return std::nullopt;
  return bytes;
}

bool writeFileBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace quorvex
