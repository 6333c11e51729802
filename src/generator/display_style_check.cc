#include "generator/display_style_check.h"

#include <cstdint>
#include <string>

#include "platform/strings.h"
#include "platform/text_file.h"

namespace quorvex {

namespace {

// The first position of `what` in `text`, or -1.
int64_t firstOf(const std::string& text, std::string_view what) {
  const size_t found = text.find(what);
  return found == std::string::npos ? -1 : static_cast<int64_t>(found);
}

// A block whose begin marker is at `begin` and end marker at `end` lies
// complete and in order after the body tag at `body`.
bool blockInBody(int64_t body, int64_t begin, int64_t end) {
  return begin != -1 && end != -1 && begin >= body && end >= body && end >= begin;
}

}  // namespace

bool checkDisplayStyleText(std::string_view text) {
  const std::string lower = toLowerAscii(text);
  const int64_t body = firstOf(lower, "<body");
  const int64_t headBegin = firstOf(lower, "<!--head_begin-->");
  const int64_t headEnd = firstOf(lower, "<!--head_end-->");
  const int64_t footBegin = firstOf(lower, "<!--foot_begin-->");
  const int64_t footEnd = firstOf(lower, "<!--foot_end-->");
  const int64_t productBegin = firstOf(lower, "<!--product_begin-->");
  const int64_t productEnd = firstOf(lower, "<!--product_end-->");
  return (headBegin == -1 || blockInBody(body, headBegin, headEnd)) &&
         (footBegin == -1 || headEnd == -1 || footBegin >= headEnd) &&
         (footBegin == -1 || blockInBody(body, footBegin, footEnd)) &&
         (productBegin == -1 || footEnd == -1 || productBegin <= footEnd) &&
         blockInBody(body, productBegin, productEnd);
}

bool checkDisplayStyle(const std::filesystem::path& path) {
  const FileLines file = readFileLines(path, "");
  return file.opened && !file.error && checkDisplayStyleText(file.text);
}

}  // namespace quorvex
