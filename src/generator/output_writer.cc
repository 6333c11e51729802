#include "generator/output_writer.h"

#include <fcntl.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <string>

#include "generator/file_error.h"
#include "generator/file_replacement.h"
#include "platform/paths.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

std::string withWindowsLineEnds(std::string_view text) {
  std::string converted;
  converted.reserve(text.size() + text.size() / 32);
  size_t start = 0;
  for (size_t feed; (feed = text.find('\n', start)) != std::string_view::npos; start = feed + 1) {
    converted.append(text.substr(start, feed - start));
    converted.append("\r\n");
  }
  converted.append(text.substr(start));
  return converted;
}

uint32_t crc32Of(std::string_view bytes) {
  uLong crc = ::crc32(0L, Z_NULL, 0);
  // zlib takes a length of uInt; pages are far below that, but stay exact.
  while (!bytes.empty()) {
    const uInt length = static_cast<uInt>(std::min<size_t>(bytes.size(), 1u << 30));
    crc = ::crc32(crc, reinterpret_cast<const Bytef*>(bytes.data()), length);
    bytes.remove_prefix(length);
  }
  return static_cast<uint32_t>(crc);
}

std::string key(const fs::path& file) { return file.lexically_normal().string(); }

// Writes all of `bytes` to `fd` and closes it; 0 or the errno of the failure.
int writeAndClose(int fd, std::string_view bytes) {
  int error = 0;
  while (!bytes.empty() && error == 0) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written >= 0) {
      bytes.remove_prefix(static_cast<size_t>(written));
    } else if (errno != EINTR) {
      error = errno;
    }
  }
  if (::close(fd) != 0 && error == 0) error = errno;
  return error;
}

// Creates `file` with `bytes` when it does not exist yet; otherwise writes a
// temporary file beside it and renames that over it. Returns the error.
std::error_code writeFile(const fs::path& file, std::string_view bytes) {
  int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd >= 0) {
    const int error = writeAndClose(fd, bytes);
    return std::error_code(error, std::system_category());
  }
  if (errno != EEXIST) return std::error_code(errno, std::system_category());
  const fs::path temporary = temporarySibling(file, "qvx-new");
  fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return std::error_code(errno, std::system_category());
  std::error_code error(writeAndClose(fd, bytes), std::system_category());
  if (!error) fs::rename(temporary, file, error);
  if (error) {
    std::error_code ignored;  // the write's or rename's error is the one to report
    fs::remove(temporary, ignored);
  }
  return error;
}

}  // namespace

void OutputWriter::recordChecksum(const fs::path& file, uint32_t crc) { recorded_[key(file)] = crc; }

bool OutputWriter::isUnchanged(const fs::path& file, uint32_t crc, std::string_view bytes) const {
  auto found = recorded_.find(key(file));
  return found != recorded_.end() && found->second == crc && fileHolds(file, bytes);
}

std::optional<uint32_t> OutputWriter::writtenChecksum(const fs::path& file) const {
  auto found = written_.find(key(file));
  if (found == written_.end()) return std::nullopt;
  return found->second;
}

std::optional<fs::path> OutputWriter::write(const fs::path& folder, std::string_view fileName,
                                            std::string_view text) {
  std::optional<fs::path> path = joinInside(folder, fileName);
  if (!path) {
    showFileError(prompter_, std::make_error_code(std::errc::invalid_argument),
                  folder / std::string(fileName));
    return std::nullopt;
  }
  const std::string bytes = withWindowsLineEnds(text);
  const uint32_t crc = crc32Of(bytes);
  const std::string fileKey = key(*path);
  if (isUnchanged(*path, crc, bytes)) {
    written_[fileKey] = crc;
    return path;
  }
  if (std::error_code error = writeFile(*path, bytes)) {
    recorded_.erase(fileKey);
    written_.erase(fileKey);
    showFileError(prompter_, error, *path);
    return std::nullopt;
  }
  recorded_[fileKey] = crc;
  written_[fileKey] = crc;
  return path;
}

}  // namespace quorvex
