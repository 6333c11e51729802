#ifndef QUORVEX_PLATFORM_STATUS_H_
#define QUORVEX_PLATFORM_STATUS_H_

#include <string>
#include <string_view>
#include <utility>

namespace quorvex {

// The result of an operation that can fail in an expected way (a missing file,
// a damaged document, a refused login). A failed status carries a code that
// tells callers what kind of failure it was and the message that tells the
// user what went wrong. Ignoring a returned status does not compile quietly.
class [[nodiscard]] Status {
 public:
  enum class Code {
    kOk,
    kNotFound,         // a file, folder or record that should exist does not
    kCorruption,       // stored or received data is damaged or malformed
    kIOError,          // the file system or the network failed
    kInvalidArgument,  // a value the user typed or passed breaks a rule
    kRefused,          // the request is understood but not allowed
  };

  static Status success() { return Status(); }
  static Status notFound(std::string message) { return {Code::kNotFound, std::move(message)}; }
  static Status corruption(std::string message) { return {Code::kCorruption, std::move(message)}; }
  static Status ioError(std::string message) { return {Code::kIOError, std::move(message)}; }
  static Status invalidArgument(std::string message) {
    return {Code::kInvalidArgument, std::move(message)};
  }
  static Status refused(std::string message) { return {Code::kRefused, std::move(message)}; }

  bool ok() const { return code_ == Code::kOk; }
  Code code() const { return code_; }
  // Empty for a successful status.
  const std::string& message() const { return message_; }

  // The same status with `context` put before its message (a successful
  // status stays as it is).
  Status prefixed(std::string_view context) const {
    if (ok()) return *this;
    return {code_, std::string(context) + message_};
  }

 private:
  Status() = default;
  Status(Code code, std::string message) : code_(code), message_(std::move(message)) {}

  Code code_ = Code::kOk;
  std::string message_;
};

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_STATUS_H_
