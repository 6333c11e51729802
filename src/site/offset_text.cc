#include "site/offset_text.h"

#include "platform/strings.h"

namespace quorvex {

std::string offsetNumber(std::string_view offset) {
  std::string_view number = trimEnd(offset, " \t\r\n");
  if (!number.empty() && number.back() == '%') number.remove_suffix(1);
  return std::string(trimEnd(number, " \t\r\n"));
}

bool isPercentOffset(std::string_view offset) {
  std::string_view trimmed = trimEnd(offset, " \t\r\n");
  return !trimmed.empty() && trimmed.back() == '%';
}

std::string makeOffset(const std::string& number, bool percent) {
  return percent ? number + "%" : number;
}

}  // namespace quorvex
