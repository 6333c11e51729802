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

AtomicFileWriter::~AtomicFileWriter() {
  if (fd_ < 0) return;
  ::close(fd_);
  ::unlink(temp_.c_str());
}

Status AtomicFileWriter::open(const fs::path& requested) {
  if (fd_ >= 0) return Status::invalidArgument("A replacement of " + target_.string() + " is open.");
  // A link is saved through: the file it leads to is replaced, the link stays.
  std::error_code ec;
  target_ = requested;
  if (fs::is_symlink(fs::symlink_status(requested, ec))) {
    target_ = fs::weakly_canonical(requested, ec);
    if (ec) {
      return Status::ioError("Cannot follow the link " + requested.string() + ": " +
                             ec.message());
    }
  }
  struct stat existing {};
  const bool exists = ::stat(target_.c_str(), &existing) == 0;
  // Checked on the permission bits too: they count even where access()
  // would let a privileged user write.
  if (exists && ((existing.st_mode & 0222) == 0 || ::access(target_.c_str(), W_OK) != 0)) {
    return Status::refused(target_.string() + " is read-only; it was not changed.");
  }
  dir_ = target_.has_parent_path() ? target_.parent_path() : fs::path(".");
  const std::string prefix = "." + target_.filename().string() + ".";
  removeStaleTemporaries(dir_, prefix);
  std::string pattern = (dir_ / (prefix + std::string(kTemporarySuffix))).string();
  fd_ = ::mkstemp(pattern.data());
  if (fd_ < 0) return errnoStatus("Cannot create a temporary file beside", target_);
  temp_ = pattern;
  // A replaced file keeps its permissions; a new one gets the usual ones.
  mode_ = exists ? existing.st_mode & 07777 : 0644;
  return Status::success();
}

Status AtomicFileWriter::append(std::string_view bytes) {
  if (fd_ < 0) return Status::invalidArgument("No replacement of a file is open.");
  return writeAll(fd_, bytes, temp_);
}

Status AtomicFileWriter::commit() {
  if (fd_ < 0) return Status::invalidArgument("No replacement of a file is open.");
  Status status = Status::success();
  if (::fsync(fd_) != 0) status = errnoStatus("Cannot flush", temp_);
  if (::close(fd_) != 0 && status.ok()) status = errnoStatus("Cannot close", temp_);
  fd_ = -1;
  if (status.ok() && ::chmod(temp_.c_str(), mode_) != 0)
    status = errnoStatus("Cannot set mode of", temp_);
  if (status.ok() && ::rename(temp_.c_str(), target_.c_str()) != 0) {
    status = errnoStatus("Cannot replace", target_);
  }
  if (!status.ok()) {
    ::unlink(temp_.c_str());
    return status;
  }
  // Make the rename itself durable.
  int dir_fd = ::open(dir_.c_str(), O_RDONLY | O_DIRECTORY);
  if (dir_fd >= 0) {
    ::fsync(dir_fd);
    ::close(dir_fd);
  }
  return Status::success();
}

Status replaceFileAtomically(const fs::path& target, std::string_view bytes) {
  AtomicFileWriter writer;
  if (Status opened = writer.open(target); !opened.ok()) return opened;
  if (Status written = writer.append(bytes); !written.ok()) return written;
  return writer.commit();
}

}  // namespace quorvex
