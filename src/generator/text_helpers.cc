#include "generator/text_helpers.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "platform/strings.h"

namespace quorvex {

namespace {

// The position where the last path component of `path` starts.
size_t lastComponentStart(std::string_view path) {
  size_t separator = path.find_last_of("\\/");
  return separator == std::string_view::npos ? 0 : separator + 1;
}

bool isPictureExtension(std::string_view extension) {
  std::string lower = toLowerAscii(extension);
  return lower == "gif" || lower == "jpg" || lower == "jpeg";
}

// `text` with a backslash before each of `special`, and CR and LF turned
// into spaces when `lineEndsAsSpaces`; a single space for an empty text, so
// that a quoted string is never empty.
std::string escapeForScript(std::string_view text, std::string_view special,
                            bool lineEndsAsSpaces) {
  if (text.empty()) return " ";
  std::string escaped;
  escaped.reserve(text.size() + text.size() / 8);
  for (char c : text) {
    if (lineEndsAsSpaces && (c == '\r' || c == '\n')) {
      escaped += ' ';
      continue;
    }
    if (special.find(c) != std::string_view::npos) escaped += '\\';
    escaped += c;
  }
  return escaped;
}

}  // namespace

std::string scriptEscape(std::string_view text) {
  return escapeForScript(text, "\"'()[]{}\\", /*lineEndsAsSpaces=*/true);
}

std::string taxEscape(std::string_view text) {
  return escapeForScript(text, "\"'()[]{}", /*lineEndsAsSpaces=*/false);
}

std::string convertLineBreaks(std::string_view text) {
  std::string converted;
  converted.reserve(text.size());
  for (char c : text) {
    if (c == '\n') converted += "<BR>";
    converted += c;
  }
  return converted;
}

std::string lastPathComponent(std::string_view path) {
  return std::string(path.substr(lastComponentStart(path)));
}

std::string cleanFileName(std::string_view path) {
  std::string cleaned(path);
  for (size_t i = lastComponentStart(path); i < cleaned.size(); ++i) {
    char& c = cleaned[i];
    if (c == ' ' || c == '#' || c == '%' || c == '\'') c = '_';
  }
  return cleaned;
}

std::string webImageName(std::string_view path) {
  std::string name = cleanFileName(path);
  size_t dot = name.rfind('.');
  if (dot == std::string::npos || dot < lastComponentStart(name)) return name + ".jpg";
  if (isPictureExtension(std::string_view(name).substr(dot + 1))) return name;
  return name.substr(0, dot) + ".jpg";
}

std::string lowerExtension(std::string_view path) {
  size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || dot < lastComponentStart(path)) return "";
  return toLowerAscii(path.substr(dot + 1));
}

std::string reducedImageName(std::string_view path, std::string_view label) {
  std::string name = cleanFileName(lastPathComponent(path));
  size_t dot = name.rfind('.');
  std::string base = dot == std::string::npos ? name : name.substr(0, dot);
  const bool gif =
      dot != std::string::npos && dot > 0 && toLowerAscii(name.substr(dot + 1)) == "gif";
  return base + "-" + std::string(label) + (gif ? ".gif" : ".jpg");
}

std::string checkedName(std::string_view text, bool withPrefix) {
  std::string name;
  uint32_t sum = 0;
  for (char c : text) {
    sum += static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(c)));
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) name += c;
  }
  if (!withPrefix) return name;
  std::string prefix;
  prefix += static_cast<char>('A' + sum % 26);
  prefix += static_cast<char>('B' + sum % 25);
  return prefix + name;
}

int32_t leadingInteger(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = std::min<int64_t>(value * 10 + (text[i] - '0'),
                              int64_t{std::numeric_limits<int32_t>::max()} + 1);
  }
  if (negative) value = -value;
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

}  // namespace quorvex
