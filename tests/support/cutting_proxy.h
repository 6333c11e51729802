#ifndef QUORVEX_TESTS_SUPPORT_CUTTING_PROXY_H_
#define QUORVEX_TESTS_SUPPORT_CUTTING_PROXY_H_

#include <string>

#include "support/python_process.h"

namespace quorvex::testing {

// A proxy on 127.0.0.1 in front of a test FTP server that can cut all its
// connections, control and data, after a given number of bytes
// (tests/support/cutting_proxy.py). Without a cut armed it passes
// everything.
class CuttingProxy {
 public:
  explicit CuttingProxy(int serverPort);

  // 0 when the proxy did not start.
  int port() const { return port_; }
  // "127.0.0.1:<port>", as a host setting names the server behind it.
  std::string host() const { return "127.0.0.1:" + std::to_string(port_); }

  // Aborts every connection once `bytes` more bytes have passed.
  void cutAfter(long bytes);
  // Returns true when the armed cut has happened.
  bool wasCut();

 private:
  PythonProcess process_;
  int port_ = 0;
};

}  // namespace quorvex::testing

#endif  // QUORVEX_TESTS_SUPPORT_CUTTING_PROXY_H_
