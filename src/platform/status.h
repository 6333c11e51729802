#ifndef QUORVEX_PLATFORM_STATUS_H_
#define QUORVEX_PLATFORM_STATUS_H_

#include <string>
#include <utility>

namespace quorvex {

// The result of an operation that can fail in an expected way (a missing file,
// a damaged document, a refused login). A failed status carries the message
// that tells the user what went wrong.
class Status {
 public:
  static Status success() { return Status(); }
  static Status failure(std::string message) { return Status(std::move(message)); }

  bool ok() const { return !failed_; }
  // Empty for a successful status.
  const std::string& message() const { return message_; }

 private:
  Status() = default;
  explicit Status(std::string message) : failed_(true), message_(std::move(message)) {}

  bool failed_ = false;
  std::string message_;
};

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_STATUS_H_
