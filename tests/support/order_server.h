#ifndef QUORVEX_TESTS_SUPPORT_ORDER_SERVER_H_
#define QUORVEX_TESTS_SUPPORT_ORDER_SERVER_H_

#include <filesystem>
#include <string>
#include <vector>

#include "support/python_process.h"

namespace quorvex::testing {

// An SMTP server on 127.0.0.1 (aiosmtpd, tests/support/smtp_sink.py) that
// writes every message it receives to `folder` as 1.eml, 2.eml, ... (on
// from the messages already there), each starting with a line
// "X-Envelope-To:" that names its recipients. Lives as long as the object.
class SmtpSink {
 public:
  // Listens on `port`, or a free port when 0.
  explicit SmtpSink(const std::filesystem::path& folder, int port = 0);
  // 0 when the server did not start.
  int port() const { return port_; }
  std::string url() const { return "smtp://127.0.0.1:" + std::to_string(port_); }

 private:
  PythonProcess process_;
  int port_ = 0;
};

// quorvex-orderd on 127.0.0.1, serving the merchant folders below `data`
// and sending mail to `smtpUrl`, for as long as the object lives.
class OrderServer {
 public:
  // Listens on 127.0.0.1:`port` (0: a free port), with `arguments` added to
  // its command line.
  OrderServer(const std::filesystem::path& data, const std::string& smtpUrl, int port = 0,
              const std::vector<std::string>& arguments = {});
  // 0 when the server did not start.
  int port() const { return port_; }
  // Kills the server at once (SIGKILL), as a crash would end it; true once
  // it has ended.
  bool kill();

 private:
  PythonProcess process_;
  int port_ = 0;
};

}  // namespace quorvex::testing

#endif  // QUORVEX_TESTS_SUPPORT_ORDER_SERVER_H_
