#include "orderd/sales_log_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "publish/sales_log_files.h"
#include "publish/sales_log_lines.h"

namespace quorvex {

namespace {

namespace fs = std::filesystem;

constexpr int kFirstOrderNumber = 100001;
constexpr int kLastOrderNumber = 999999;

Status systemFailure(const std::string& what, const fs::path& path) {
  return Status::ioError(what + " " + path.string() + ": " + std::strerror(errno));
}

// An open file descriptor, closed when it goes.
class FileHandle {
 public:
  explicit FileHandle(int fd) : fd_(fd) {}
  ~FileHandle() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  int fd() const { return fd_; }

 private:
  int fd_;
};

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

// Reads the last order number from the lock file and writes the next one
// back. Every number has six digits, so the new one overwrites the old in
// place: the file is never left empty, which would start the numbers anew.
Status nextOrderNumber(int lockFd, const fs::path& lockPath, int& number) {
  char text[16] = {};
  const ssize_t size = ::pread(lockFd, text, sizeof text, 0);
  if (size < 0) return systemFailure("Could not read", lockPath);
  int last = 0;
  std::from_chars(text, text + size, last);
  number = last >= kFirstOrderNumber && last < kLastOrderNumber ? last + 1 : kFirstOrderNumber;
  const std::string next = std::to_string(number) + "\n";
  if (::pwrite(lockFd, next.data(), next.size(), 0) != static_cast<ssize_t>(next.size()) ||
      ::ftruncate(lockFd, static_cast<off_t>(next.size())) != 0 || ::fdatasync(lockFd) != 0) {
    return systemFailure("Could not write", lockPath);
  }
  return Status::success();
}

// An open log with its size before the order's lines.
struct OpenLog {
  fs::path path;
  std::unique_ptr<FileHandle> file;
  off_t sizeBefore = 0;
};

// Appends each log's lines and flushes them to disk; when one cannot be
// written whole, every log is cut back to its size before, so that no part
// of the order stays.
Status appendAll(const std::vector<std::pair<fs::path, const std::string*>>& logs) {
  std::vector<OpenLog> open;
  for (const auto& [path, lines] : logs) {
    OpenLog& log = open.emplace_back();
    log.path = path;
    log.file = std::make_unique<FileHandle>(
        ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644));
    if (log.file->fd() < 0) return systemFailure("Could not open", path);
    log.sizeBefore = ::lseek(log.file->fd(), 0, SEEK_END);
    if (log.sizeBefore < 0) return systemFailure("Could not append to", path);
  }
  for (size_t i = 0; i < open.size(); ++i) {
    if (writeAll(open[i].file->fd(), *logs[i].second)) continue;
    Status failure = systemFailure("Could not append to", open[i].path);
    for (size_t k = 0; k <= i; ++k) {
      if (::ftruncate(open[k].file->fd(), open[k].sizeBefore) != 0) {
        return systemFailure("Could not append to nor repair", open[k].path);
      }
    }
    return failure;
  }
  for (const OpenLog& log : open) {
    if (::fdatasync(log.file->fd()) != 0) return systemFailure("Could not flush", log.path);
  }
  return Status::success();
}

}  // namespace

Status SalesLogStore::lock(const fs::path& merchantFolder, std::unique_ptr<SalesLogStore>& store) {
  const fs::path logs = merchantFolder / kSalesLogFolder;
  std::error_code error;
  fs::create_directories(logs, error);
  if (error) return Status::ioError("Could not make " + logs.string() + ": " + error.message());
  const fs::path lockPath = logs / kLockFileName;
  const int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return systemFailure("Could not open", lockPath);
  while (::flock(fd, LOCK_EX) != 0) {
    if (errno != EINTR) {
      Status failure = systemFailure("Could not lock", lockPath);
      ::close(fd);
      return failure;
    }
  }
  store.reset(new SalesLogStore(logs, fd));
  return Status::success();
}

SalesLogStore::SalesLogStore(fs::path logs, int lockFd) : logs_(std::move(logs)), lockFd_(lockFd) {}

// Closing the file gives up the lock.
SalesLogStore::~SalesLogStore() { ::close(lockFd_); }

Status SalesLogStore::giveNumber(PlacedOrder& order) {
  int number = 0;
  Status status = nextOrderNumber(lockFd_, logs_ / kLockFileName, number);
  if (status.ok()) order.orderNumber = std::to_string(number);
  return status;
}

Status SalesLogStore::append(const PlacedOrder& order, const OrderCatalogue& catalogue) {
  const SalesLogLines lines = SalesLogLines::of(order, catalogue);
  // In the order of kSalesLogNames.
  const std::string* const lineSets[] = {&lines.header, &lines.items, &lines.payment,
                                         &lines.misc};
  static_assert(std::size(lineSets) == std::size(kSalesLogNames));
  std::vector<std::pair<fs::path, const std::string*>> appends;
  for (size_t i = 0; i < std::size(lineSets); ++i) {
    appends.emplace_back(logs_ / (std::string(kSalesLogNames[i]) + ".dat"), lineSets[i]);
  }
  return appendAll(appends);
}

bool SalesLogStore::holds(const std::string& orderNumber) const {
  const std::string lineStart = orderNumber + ",";
  for (const char* extension : {".dat", ".bak"}) {
    std::ifstream log(logs_ / (std::string(kSalesLogNames[0]) + extension));
    for (std::string line; std::getline(log, line);) {
      if (line.starts_with(lineStart)) return true;
    }
  }
  return false;
}

}  // namespace quorvex
