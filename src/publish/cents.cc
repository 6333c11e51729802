#include "publish/cents.h"

#include <cmath>
#include <cstdlib>

namespace quorvex {

namespace {

constexpr size_t kMaxIntegerDigits = 10;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<Cents> parseCents(std::string_view text) {
  const size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction =
      point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  if (whole.size() > kMaxIntegerDigits || fraction.size() > 2) return std::nullopt;
  if (whole.empty() && fraction.empty()) return std::nullopt;
  Cents value = 0;
  for (char c : whole) {
    if (!isDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  for (size_t i = 0; i < 2; ++i) {
    const char c = i < fraction.size() ? fraction[i] : '0';
    if (!isDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::string formatCents(Cents amount) {
  const Cents magnitude = std::llabs(amount);
  std::string cents = std::to_string(magnitude % 100);
  if (cents.size() < 2) cents.insert(0, "0");
  return (amount < 0 ? "-" : "") + std::to_string(magnitude / 100) + "." + cents;
}

Cents applyRate(Cents amount, double rate) {
  return static_cast<Cents>(std::llround(static_cast<double>(amount) * rate));
}

}  // namespace quorvex
