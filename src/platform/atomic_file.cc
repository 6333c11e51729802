#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace quorvex {

namespace fs = std::filesystem;

static Status errnoStatus(const std::string& what, const fs::path& path) {
  return Status::ioError(what + " " + path.string() + ": " + std::strerror(errno));
}

static Status writeAll(int fd, std::string_view bytes, const fs::path& path) {
  while (!bytes.empty()) {
    ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return errnoStatus("Cannot write", path);
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return Status::success();
}

Status replaceFileAtomically(const fs::path& target, std::string_view bytes) {
  fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
  std::string pattern = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
  int fd = ::mkstemp(pattern.data());
  if (fd < 0) return errnoStatus("Cannot create a temporary file beside", target);
  fs::path temp(pattern);

  Status status = writeAll(fd, bytes, temp);
  if (status.ok() && ::fsync(fd) != 0) status = errnoStatus("Cannot flush", temp);
  if (::close(fd) != 0 && status.ok()) status = errnoStatus("Cannot close", temp);
  if (status.ok() && ::chmod(temp.c_str(), 0644) != 0) status = errnoStatus("Cannot set mode of", temp);
  if (status.ok() && ::rename(temp.c_str(), target.c_str()) != 0) {
    status = errnoStatus("Cannot replace", target);
  }
  if (!status.ok()) {
    ::unlink(temp.c_str());
    return status;
  }
  // Make the rename itself durable.
  int dir_fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
  if (dir_fd >= 0) {
    ::fsync(dir_fd);
    ::close(dir_fd);
  }
  return Status::success();
}

}  // namespace quorvex
