#include "platform/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>

namespace quorvex {

namespace {

// Closes the descriptor when it goes out of scope.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }

 private:
  int fd_;
};

Status tooLarge(const std::filesystem::path& path, size_t limit) {
  return Status::invalidArgument(path.string() + " is larger than the " +
                                 std::to_string(limit >> 20) + " MB such a file may hold.");
}

}  // namespace

Status readRegularFile(const std::filesystem::path& path, size_t limit, std::string* bytes) {
  bytes->clear();
  // Non-blocking, so that opening a pipe without a writer returns at once;
  // it is refused right after.
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (file.get() < 0) {
    const int error = errno;
    std::string message = "Cannot open " + path.string() + ": " + std::strerror(error);
    return error == ENOENT ? Status::notFound(std::move(message))
                           : Status::ioError(std::move(message));
  }
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) {
    return Status::ioError("Cannot read " + path.string() + ": " + std::strerror(errno));
  }
  if (S_ISDIR(info.st_mode)) {
    return Status::invalidArgument(path.string() + " is a folder, not a file.");
  }
  if (!S_ISREG(info.st_mode)) {
    return Status::invalidArgument(path.string() + " is not a regular file (a device or a pipe).");
  }
  if (static_cast<uintmax_t>(info.st_size) > limit) return tooLarge(path, limit);
  bytes->reserve(static_cast<size_t>(info.st_size));
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      bytes->clear();
      return Status::ioError("Cannot read " + path.string() + ": " + std::strerror(error));
    }
    if (bytes->size() + static_cast<size_t>(got) > limit) {
      bytes->clear();
      return tooLarge(path, limit);
    }
    bytes->append(buffer, static_cast<size_t>(got));
  }
  return Status::success();
}

}  // namespace quorvex
