#include "platform/strings.h"

#include <algorithm>

namespace quorvex {
namespace {

char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

std::string toLowerAscii(std::string_view text) {
  std::string lower(text);
  std::ranges::transform(lower, lower.begin(), lowerAscii);
  return lower;
}


std::string_view trim(std::string_view text, std::string_view strip) {
  const size_t first = text.find_first_not_of(strip);
  if (first == std::string_view::npos) return {};
  return trimEnd(text.substr(first), strip);
}

std::string_view trimEnd(std::string_view text, std::string_view strip) {
  const size_t last = text.find_last_not_of(strip);
  return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
  size_t found = from.empty() ? std::string::npos : text.find(from);
  if (found == std::string::npos) return;
  std::string result;
  result.reserve(text.size());
  size_t copied = 0;
  for (; found != std::string::npos; found = text.find(from, copied)) {
    result.append(text, copied, found - copied);
    result.append(to);
    copied = found + from.size();
  }
  result.append(text, copied);
  text.swap(result);
}

}  // namespace quorvex
