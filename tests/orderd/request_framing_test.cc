#include "orderd/request_framing.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvex {
namespace {

using State = RequestFrame::State;

TEST(RequestFramingTest, FramesByLengthOrChunksAndRefusesWhatIsTooLargeOrAmbiguous) {
  const std::string post = "POST /order HTTP/1.1\r\nHost: x\r\n";
  struct Case {
    std::string received;
    State state;
    size_t length;  // when complete
  };
  const Case cases[] = {
      {"GET /health HTTP/1.1\r\nHost: x\r\n\r\n", State::kComplete, 33},
      {"GET /health HTTP/1.1\r\nHo", State::kIncomplete, 0},
      {post + "Content-Length: 4\r\n\r\n{}", State::kIncomplete, 0},
      // A second request after the first is not part of it.
      {post + "content-length:  4 \r\n\r\n{  }GET / HTTP/1.1\r\n", State::kComplete,
       post.size() + 27},
      {post + "Transfer-Encoding: chunked\r\n\r\n2\r\n{}\r\n0\r\n\r\n", State::kComplete,
       post.size() + 42},
      {post + "Transfer-Encoding: chunked\r\n\r\n2;x=y\r\n{}\r\n0\r\nTrailer: 1\r\n\r\n",
       State::kComplete, post.size() + 58},
      {post + "Transfer-Encoding: chunked\r\n\r\n2\r\n{}\r\n", State::kIncomplete, 0},
      // Too large as soon as the length or a chunk's size says so.
      {post + "Content-Length: 100\r\n\r\n", State::kTooLarge, 0},
      {post + "Content-Length: 99999999999999999999999\r\n\r\n", State::kTooLarge, 0},
      {post + "Transfer-Encoding: chunked\r\n\r\n40\r\n", State::kIncomplete, 0},
      {post + "Transfer-Encoding: chunked\r\n\r\n41\r\n", State::kTooLarge, 0},
      {post + "Transfer-Encoding: chunked\r\n\r\n30\r\n" + std::string(48, 'x') + "\r\n11\r\n",
       State::kTooLarge, 0},
      {post + std::string(300, 'h'), State::kTooLarge, 0},
      // Framing a proxy could read otherwise.
      {post + "Content-Length: 2\r\nTransfer-Encoding: chunked\r\n\r\n{}", State::kMalformed, 0},
      {post + "Content-Length: 2\r\nContent-Length: 3\r\n\r\n{}", State::kMalformed, 0},
      {post + "Content-Length: +2\r\n\r\n{}", State::kMalformed, 0},
      {post + "Transfer-Encoding: gzip\r\n\r\n", State::kMalformed, 0},
      {post + "Transfer-Encoding: chunked\r\n\r\nzz\r\n", State::kMalformed, 0},
      {post + "Transfer-Encoding: chunked\r\n\r\n2\r\n{}XX", State::kMalformed, 0},
  };
  for (const Case& c : cases) {
    const RequestFrame frame =
        frameRequest(c.received, /*maxHeaderBytes=*/256, /*maxBodyBytes=*/64);
    EXPECT_EQ(frame.state, c.state) << c.received;
    if (c.state == State::kComplete) {
      EXPECT_EQ(frame.length, c.length) << c.received;
    }
  }
}

}  // namespace
}  // namespace quorvex
