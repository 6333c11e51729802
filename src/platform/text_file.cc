#include "platform/text_file.h"

#include <cerrno>
#include <fstream>

namespace quorvex {

namespace fs = std::filesystem;

std::string joinLines(std::string_view raw, std::string_view lineEnd) {
  std::string text;
  text.reserve(raw.size());
  while (!raw.empty()) {
    size_t end = raw.find('\n');
    std::string_view line = raw.substr(0, end);
    if (end != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
    text.append(line);
    text.append(lineEnd);
    raw.remove_prefix(end == std::string_view::npos ? raw.size() : end + 1);
  }
  return text;
}

FileLines readFileLines(const fs::path& path, std::string_view lineEnd) {
  FileLines file;
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (!fs::is_regular_file(status)) {
    file.error =
        ec ? ec
           : std::make_error_code(fs::exists(status) ? std::errc::is_a_directory
                                                     : std::errc::no_such_file_or_directory);
    return file;
  }
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    file.error = std::error_code(errno != 0 ? errno : EIO, std::system_category());
    return file;
  }
  file.opened = true;
  std::string raw;
  char buffer[1 << 16];
  while (raw.size() <= kMaxTextFileBytes && in.read(buffer, sizeof buffer).gcount() > 0) {
    raw.append(buffer, static_cast<size_t>(in.gcount()));
  }
  if (raw.size() > kMaxTextFileBytes) {
    raw.resize(kMaxTextFileBytes);
    file.error = std::make_error_code(std::errc::file_too_large);
  } else if (in.bad()) {
    file.error = std::error_code(errno != 0 ? errno : EIO, std::system_category());
  }
  file.text = joinLines(raw, lineEnd);
  return file;
}

}  // namespace quorvex
