// Feeds arbitrary bytes to the order server's request framing as what a
// connection sent: nothing may crash, and a complete request lies within
// the bytes received and holds its whole header block.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "orderd/request_framing.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view received(reinterpret_cast<const char*>(data), size);
  const quorvex::RequestFrame frame = quorvex::frameRequest(received, 1024, 4096);
  if (frame.state == quorvex::RequestFrame::State::kComplete &&
      (frame.length > size || received.substr(0, frame.length).find("\r\n\r\n") ==
                                  std::string_view::npos)) {
    std::abort();
  }
  return 0;
}
