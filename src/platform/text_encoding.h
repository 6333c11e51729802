#ifndef QUORVEX_PLATFORM_TEXT_ENCODING_H_
#define QUORVEX_PLATFORM_TEXT_ENCODING_H_

#include <optional>
#include <string>
#include <string_view>

namespace quorvex {

// The core keeps text as Windows-1252 bytes. These convert at the edges (JSON,
// widgets, terminal). The five bytes that Windows-1252 leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same number, so that
// every byte string survives the round trip.

std::string cp1252ToUtf8(std::string_view text);

// Returns nullopt when `text` is not valid UTF-8 or holds a character that
// Windows-1252 cannot represent.
std::optional<std::string> utf8ToCp1252(std::string_view text);

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_TEXT_ENCODING_H_
