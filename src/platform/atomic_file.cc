#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace quorvex {

namespace fs = std::filesystem;

// What mkstemp replaces by six characters of its choice.
constexpr std::string_view kTemporarySuffix = "XXXXXX";

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

// The temporary files of earlier saves of `target` that were cut short (a
// kill between mkstemp and rename) are removed: ".NAME.XXXXXX" beside it.
static void removeStaleTemporaries(const fs::path& dir, const std::string& prefix) {
  std::error_code ec;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir, ec)) {
    const std::string name = entry.path().filename().string();
    if (name.size() == prefix.size() + kTemporarySuffix.size() && name.starts_with(prefix) &&
        entry.is_regular_file(ec)) {
      fs::remove(entry.path(), ec);
    }
  }
}

Status replaceFileAtomically(const fs::path& requested, std::string_view bytes) {
  // A link is saved through: the file it leads to is replaced, the link stays.
  std::error_code ec;
  fs::path target = requested;
  if (fs::is_symlink(fs::symlink_status(requested, ec))) {
    target = fs::weakly_canonical(requested, ec);
    if (ec) {
      return Status::ioError("Cannot follow the link " + requested.string() + ": " +
                             ec.message());
    }
  }
  struct stat existing {};
  const bool exists = ::stat(target.c_str(), &existing) == 0;
  // Checked on the permission bits too: they count even where access()
  // would let a privileged user write.
  if (exists && ((existing.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)) {
    return Status::refused(target.string() + " is read-only; it was not changed.");
  }
  fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const std::string prefix = "." + target.filename().string() + ".";
  removeStaleTemporaries(dir, prefix);
  std::string pattern = (dir / (prefix + std::string(kTemporarySuffix))).string();
  int fd = ::mkstemp(pattern.data());
  if (fd < 0) return errnoStatus("Cannot create a temporary file beside", target);
  fs::path temp(pattern);

  // A replaced file keeps its permissions; a new one gets the usual ones.
  const mode_t mode = exists ? existing.st_mode & 07777 : 0644;
  Status status = writeAll(fd, bytes, temp);
  if (status.ok() && ::fsync(fd) != 0) status = errnoStatus("Cannot flush", temp);
  if (::close(fd) != 0 && status.ok()) status = errnoStatus("Cannot close", temp);
  if (status.ok() && ::chmod(temp.c_str(), mode) != 0)
    status = errnoStatus("Cannot set mode of", temp);
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
