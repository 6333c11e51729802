#include "orderd/request_framing.h"

#include <charconv>
#include <optional>

#include "platform/strings.h"

namespace quorvex {

namespace {

using State = RequestFrame::State;

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kHeaderEnd = "\r\n\r\n";
// The longest chunk-size line taken (with extensions).
constexpr size_t kMaxChunkLine = 256;

RequestFrame frame(State state, size_t length = 0) { return {state, length}; }

// The body's framing as the headers declare it.
struct BodyHeaders {
  std::optional<std::string_view> contentLength;
  std::optional<std::string_view> transferEncoding;
  bool doubled = false;
};

BodyHeaders bodyHeadersOf(std::string_view headers) {
  BodyHeaders found;
  // The first line is the request line.
  size_t start = headers.find(kLineEnd);
  while (start != std::string_view::npos && start + kLineEnd.size() < headers.size()) {
    start += kLineEnd.size();
    const size_t end = std::min(headers.find(kLineEnd, start), headers.size());
    const std::string_view line = headers.substr(start, end - start);
    const size_t colon = line.find(':');
    if (colon != std::string_view::npos) {
      const std::string_view name = line.substr(0, colon);
      const std::string_view value = trim(line.substr(colon + 1), kBlanks);
      for (auto [wanted, slot] : {std::pair{"content-length", &found.contentLength},
                                  std::pair{"transfer-encoding", &found.transferEncoding}}) {
        if (!equalsIgnoreCase(name, wanted)) continue;
        found.doubled = found.doubled || slot->has_value();
        *slot = value;
      }
    }
    start = end;
  }
  return found;
}

// Frames the chunks that start at `bodyStart`.
RequestFrame frameChunks(std::string_view received, size_t bodyStart, size_t maxBodyBytes) {
  size_t at = bodyStart;
  size_t content = 0;
  for (;;) {
    const size_t lineEnd = received.find(kLineEnd, at);
    if (lineEnd == std::string_view::npos) {
      return frame(received.size() - at > kMaxChunkLine ? State::kMalformed : State::kIncomplete);
    }
    std::string_view sizeText = received.substr(at, lineEnd - at);
    sizeText = trim(sizeText.substr(0, sizeText.find(';')), kBlanks);
    size_t size = 0;
    const auto [end, error] = std::from_chars(sizeText.data(), sizeText.data() + sizeText.size(),
                                              size, 16);
    if (sizeText.empty() || error != std::errc() || end != sizeText.data() + sizeText.size()) {
      return frame(error == std::errc::result_out_of_range ? State::kTooLarge : State::kMalformed);
    }
    if (size > maxBodyBytes - content) return frame(State::kTooLarge);
    content += size;
    at = lineEnd + kLineEnd.size();
    if (size == 0) {
      // The last chunk: trailer lines, if any, up to an empty line.
      if (received.substr(at).starts_with(kLineEnd)) {
        return frame(State::kComplete, at + kLineEnd.size());
      }
      const size_t trailersEnd = received.find(kHeaderEnd, at);
      if (trailersEnd == std::string_view::npos) return frame(State::kIncomplete);
      return frame(State::kComplete, trailersEnd + kHeaderEnd.size());
    }
    if (received.size() < at + size + kLineEnd.size()) return frame(State::kIncomplete);
    if (received.substr(at + size, kLineEnd.size()) != kLineEnd) return frame(State::kMalformed);
    at += size + kLineEnd.size();
  }
}

}  // namespace

RequestFrame frameRequest(std::string_view received, size_t maxHeaderBytes, size_t maxBodyBytes) {
  const size_t headerEnd = received.find(kHeaderEnd);
  if (headerEnd == std::string_view::npos || headerEnd + kHeaderEnd.size() > maxHeaderBytes) {
    return frame(received.size() > maxHeaderBytes ? State::kTooLarge : State::kIncomplete);
  }
  const BodyHeaders body = bodyHeadersOf(received.substr(0, headerEnd + kLineEnd.size()));
  const size_t bodyStart = headerEnd + kHeaderEnd.size();
  if (body.doubled || (body.contentLength && body.transferEncoding)) {
    return frame(State::kMalformed);
  }
  if (body.transferEncoding) {
    if (!equalsIgnoreCase(*body.transferEncoding, "chunked")) return frame(State::kMalformed);
    return frameChunks(received, bodyStart, maxBodyBytes);
  }
  size_t length = 0;
  if (body.contentLength) {
    const std::string_view text = *body.contentLength;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), length);
    if (error == std::errc::result_out_of_range) return frame(State::kTooLarge);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
      return frame(State::kMalformed);
    }
    if (length > maxBodyBytes) return frame(State::kTooLarge);
  }
  if (received.size() < bodyStart + length) return frame(State::kIncomplete);
  return frame(State::kComplete, bodyStart + length);
}

}  // namespace quorvex
