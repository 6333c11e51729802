#include "generator/line_text_file.h"

#include <cerrno>
#include <fstream>

namespace quorvex {

std::optional<std::string> readLineText(const std::filesystem::path& path, std::error_code& error) {
  error.clear();
  std::error_code kindError;
  if (std::filesystem::is_directory(path, kindError)) {
    error = std::make_error_code(std::errc::is_a_directory);
    return std::nullopt;
  }
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  std::string text;
  std::string line;
  while (in && std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    text += line;
    text += '\n';
  }
  if (!in.is_open() || in.bad()) {
    error = std::error_code(errno != 0 ? errno : EIO, std::system_category());
    return std::nullopt;
  }
  return text;
}

}  // namespace quorvex
