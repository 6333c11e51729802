#include "document/decimal_text.h"

#include <charconv>

#include "platform/strings.h"

namespace quorvex {

std::optional<double> parseDecimal(std::string_view text) {
  text = trim(text, " \t\r\n");
  if (text.empty()) return std::nullopt;
  if (text.front() == '+') text.remove_prefix(1);
  double value = 0;
  auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace quorvex
