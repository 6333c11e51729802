#include "site/offset_text.h"

namespace quorvex {

namespace {

constexpr std::string_view kBlanks = " \t\r\n";

std::string_view trimRight(std::string_view text) {
  const size_t end = text.find_last_not_of(kBlanks);
  return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

}  // namespace

std::string offsetNumber(std::string_view offset) {
  std::string_view number = trimRight(offset);
  if (!number.empty() && number.back() == '%') number.remove_suffix(1);
  return std::string(trimRight(number));
}

bool isPercentOffset(std::string_view offset) {
  std::string_view trimmed = trimRight(offset);
  return !trimmed.empty() && trimmed.back() == '%';
}

std::string makeOffset(const std::string& number, bool percent) {
  return percent ? number + "%" : number;
}

}  // namespace quorvex
