#ifndef QUORVEX_PLATFORM_TEXT_FILE_H_
#define QUORVEX_PLATFORM_TEXT_FILE_H_

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace quorvex {

// Reading of the text files the generator takes over whole, line by line:
// templates, display styles, the product listing template, coupon pages and
// the default order texts.

// The most a text file read this way may hold: a display style or listing
// template is a small HTML page, and its code grows by a bounded factor, so
// the limit keeps a hostile file from exhausting memory.
inline constexpr size_t kMaxTextFileBytes = size_t{4} << 20;

// Returns the lines of `raw` (line ends LF or CR LF) each followed by
// `lineEnd`, as a text file read line by line gives them. A last line without
// a line end still gets `lineEnd`; an empty text gives "".
std::string joinLines(std::string_view raw, std::string_view lineEnd);

// A text file read line by line.
struct FileLines {
  // False when the file could not be opened for reading (`text` is empty).
  bool opened = false;
  // The lines, each followed by the line end asked for (joinLines()).
  std::string text;
  // Why the file could not be opened, or why reading stopped early (a read
  // error, or more than kMaxTextFileBytes); `text` then holds what was read
  // before.
  std::error_code error;
};

// Reads the regular file `path` line by line (joinLines() with `lineEnd`).
FileLines readFileLines(const std::filesystem::path& path, std::string_view lineEnd);

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_TEXT_FILE_H_
