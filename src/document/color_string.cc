#include "document/color_string.h"

namespace quorvex {
namespace {

int32_t digitValue(std::string_view text, size_t index) {
  if (index >= text.size()) return 0;
  char c = text[index];
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 0;
}

int32_t byteAt(std::string_view text, size_t index) {
  return digitValue(text, index) * 16 + digitValue(text, index + 1);
}

}  // namespace

std::string colorToHex(int32_t color) {
  static constexpr char kDigits[] = "0123456789abcdef";
  const uint32_t value = static_cast<uint32_t>(color);
  std::string text = "#";
  for (int shift : {0, 8, 16}) {
    const uint32_t component = (value >> shift) & 0xFF;
    text += kDigits[component >> 4];
    text += kDigits[component & 0xF];
  }
  return text;
}

int32_t colorFromHex(std::string_view text) {
  return byteAt(text, 1) | (byteAt(text, 3) << 8) | (byteAt(text, 5) << 16);
}

}  // namespace quorvex
