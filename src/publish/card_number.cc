#include "publish/card_number.h"

#include <string>

namespace quorvex {

namespace {

constexpr size_t kShortestCard = 13;
constexpr size_t kLongestCard = 19;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool passesLuhn(const std::string& digits) {
  int sum = 0;
  bool doubled = false;
  for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
    int value = *digit - '0';
    if (doubled && (value *= 2) > 9) value -= 9;
    sum += value;
    doubled = !doubled;
  }
  return sum % 10 == 0;
}

}  // namespace

bool holdsCardNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    if (!isDigit(text[i])) {
      ++i;
      continue;
    }
    // One run: digits, each separated from the next by at most one blank
    // or dash.
    std::string digits;
    while (i < text.size() && isDigit(text[i])) {
      digits += text[i++];
      const bool separator = i + 1 < text.size() && (text[i] == ' ' || text[i] == '-');
      if (separator && isDigit(text[i + 1])) ++i;
    }
    if (digits.size() >= kShortestCard && digits.size() <= kLongestCard && passesLuhn(digits)) {
      return true;
    }
  }
  return false;
}

}  // namespace quorvex
