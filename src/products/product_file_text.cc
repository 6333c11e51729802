#include "products/product_file_text.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "platform/text_encoding.h"

namespace quorvex {

namespace {

enum class Encoding { kWindows1252, kUtf8, kUtf16Le, kUtf16Be };

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr char32_t kReplacement = 0xFFFD;

// Decodes the UTF-8 `bytes`, calling `put` with each code point. Returns false
// at the first byte that does not continue valid UTF-8 (overlong forms and
// surrogates included).
template <class Put>
bool decodeUtf8(std::string_view bytes, Put put) {
  for (size_t i = 0; i < bytes.size();) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    size_t length = 0;
    if (lead < 0x80) {
      length = 1;
    } else if (lead >= 0xC2 && lead < 0xE0) {
      length = 2;
    } else if (lead >= 0xE0 && lead < 0xF0) {
      length = 3;
    } else if (lead >= 0xF0 && lead < 0xF5) {
      length = 4;
    }
    if (length == 0 || i + length > bytes.size()) return false;
    char32_t cp = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(bytes[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[length] || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) return false;
    put(cp);
    i += length;
  }
  return true;
}

// Decodes UTF-16 in the given byte order; a lone surrogate gives U+FFFD.
template <class Put>
void decodeUtf16(std::string_view bytes, bool littleEndian, Put put) {
  auto unit = [&](size_t i) -> char32_t {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    return littleEndian ? first | (second << 8) : (first << 8) | second;
  };
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const char32_t high = unit(i);
    if (high >= 0xD800 && high < 0xDC00 && i + 3 < bytes.size()) {
      const char32_t low = unit(i + 2);
      if (low >= 0xDC00 && low < 0xE000) {
        put(0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
        continue;
      }
    }
    put(high >= 0xD800 && high < 0xE000 ? kReplacement : high);
  }
}

// The Windows-1252 byte of a code point above ASCII, if it has one.
std::optional<char> windows1252ByteOf(char32_t cp) {
  static const std::unordered_map<char32_t, char> bytes = [] {
    std::unordered_map<char32_t, char> table;
    for (int byte = 0x80; byte <= 0xFF; ++byte) {
      const char c = static_cast<char>(byte);
      decodeUtf8(cp1252ToUtf8(std::string_view(&c, 1)), [&](char32_t point) { table[point] = c; });
    }
    return table;
  }();
  auto found = bytes.find(cp);
  if (found == bytes.end()) return std::nullopt;
  return found->second;
}

Encoding detect(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE")) return Encoding::kUtf16Le;
  if (bytes.starts_with("\xFE\xFF")) return Encoding::kUtf16Be;
  if (bytes.starts_with(kUtf8Mark)) return Encoding::kUtf8;
  if (bytes.size() >= 2 && bytes.size() % 2 == 0) {
    if (bytes[0] != '\0' && bytes[1] == '\0') return Encoding::kUtf16Le;
    if (bytes[0] == '\0' && bytes[1] != '\0') return Encoding::kUtf16Be;
  }
  const bool beyondAscii = std::any_of(bytes.begin(), bytes.end(), [](char c) {
    return static_cast<unsigned char>(c) >= 0x80;
  });
  if (beyondAscii && decodeUtf8(bytes, [](char32_t) {})) return Encoding::kUtf8;
  return Encoding::kWindows1252;
}

}  // namespace

ProductFileText::ProductFileText(std::string* bytes) {
  const Encoding encoding = detect(*bytes);
  if (encoding == Encoding::kWindows1252) {
    // Single-byte text is the common case: it is kept in place, so that a
    // large product file is never held twice.
    finish(bytes);
    return;
  }
  std::string text;
  text.reserve(bytes->size());
  int line = 1;
  auto put = [&](char32_t cp) {
    if (cp == '\n') ++line;
    if (cp < 0x80) {
      text.push_back(static_cast<char>(cp));
      return;
    }
    if (std::optional<char> byte = windows1252ByteOf(cp)) {
      text.push_back(*byte);
      return;
    }
    text.push_back('?');
    if (firstUnshownLine_ == 0) firstUnshownLine_ = line;
  };
  std::string_view view = *bytes;
  switch (encoding) {
    case Encoding::kUtf16Le:
    case Encoding::kUtf16Be:
      if (view.starts_with("\xFF\xFE") || view.starts_with("\xFE\xFF")) view.remove_prefix(2);
      decodeUtf16(view, encoding == Encoding::kUtf16Le, put);
      break;
    case Encoding::kUtf8:
      if (view.starts_with(kUtf8Mark)) view.remove_prefix(kUtf8Mark.size());
      if (!decodeUtf8(view, put)) {
        // A byte order mark before text that is not UTF-8: taken as it is.
        text.assign(view);
        firstUnshownLine_ = 0;
      }
      break;
    case Encoding::kWindows1252:
      break;
  }
  finish(&text);
  *bytes = std::move(text);
}

void ProductFileText::finish(std::string* text) {
  std::erase(*text, '\0');
  if (text->find('\n') == std::string::npos) std::replace(text->begin(), text->end(), '\r', '\n');
}

std::string ProductFileText::warning(const std::string& file) const {
  if (firstUnshownLine_ == 0) return "";
  return "WARNING: Line " + std::to_string(firstUnshownLine_) + " of \"" + file +
         "\" holds characters that cannot be shown; they were replaced by \"?\".";
}

}  // namespace quorvex
