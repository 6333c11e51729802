#ifndef QUORVEX_TESTS_SUPPORT_RAW_CONNECTION_H_
#define QUORVEX_TESTS_SUPPORT_RAW_CONNECTION_H_

#include <string>

namespace quorvex::testing {

// A TCP connection to 127.0.0.1:`port` from the loopback address `from`
// ("127.0.0.2": another client address on the same machine), for tests that
// send what no HTTP client library would. Closed when the object goes.
class RawConnection {
 public:
  RawConnection(const char* from, int port);
  ~RawConnection();
  RawConnection(const RawConnection&) = delete;
  RawConnection& operator=(const RawConnection&) = delete;

  bool connected() const { return fd_ >= 0; }
  // Sends `bytes`; false when they could not all be sent.
  bool send(const std::string& bytes);
  // Returns what arrives until the server closes the connection or 10
  // seconds pass.
  std::string receiveAll();

 private:
  int fd_ = -1;
};

}  // namespace quorvex::testing

#endif  // QUORVEX_TESTS_SUPPORT_RAW_CONNECTION_H_
