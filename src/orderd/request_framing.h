#ifndef QUORVEX_ORDERD_REQUEST_FRAMING_H_
#define QUORVEX_ORDERD_REQUEST_FRAMING_H_

#include <cstddef>
#include <string_view>

namespace quorvex {

// How much of an HTTP/1.1 request the bytes received so far hold.
struct RequestFrame {
  enum class State {
    kIncomplete,  // more bytes are needed
    kComplete,    // `length` bytes hold the whole request
    kTooLarge,    // the headers or the body are above their limits
    kMalformed,   // no valid request: a bad length or chunk, or both a
                  // Content-Length and a Transfer-Encoding
  };
  State state = State::kIncomplete;
  size_t length = 0;
};

// Frames the request that `received` starts with: its header block (ended
// by an empty line, at most `maxHeaderBytes`) and its body, by its
// Content-Length or its chunks (Transfer-Encoding: chunked), at most
// `maxBodyBytes` of content either way. A body that is too large is known as
// soon as its length or the chunk sizes received say so.
RequestFrame frameRequest(std::string_view received, size_t maxHeaderBytes, size_t maxBodyBytes);

}  // namespace quorvex

#endif  // QUORVEX_ORDERD_REQUEST_FRAMING_H_
