#include "generator/commerce_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace quorvex {

std::string chargeDigits(std::string_view text) {
  std::string digits;
  for (char c : text) {
    if ((c >= '0' && c <= '9') || c == '.') digits += c;
  }
  return digits;
}

double chargeValue(std::string_view digits) {
  double value = 0;
  const std::from_chars_result result = std::from_chars(
      digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed);
  return result.ec == std::errc() ? value : 0;
}

std::string money(double amount) {
  if (!std::isfinite(amount)) amount = 0;
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.2f", std::fabs(amount));
  std::string_view text(buffer);
  if (text.starts_with("0.")) text.remove_prefix(1);
  return std::string(text);
}

}  // namespace quorvex
