#include "generator/output_writer.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>

#include "generator/file_error.h"
#include "platform/paths.h"

namespace quorvex {

namespace {

std::string withWindowsLineEnds(std::string_view text) {
  std::string converted;
  converted.reserve(text.size() + text.size() / 32);
  size_t start = 0;
  for (size_t feed; (feed = text.find('\n', start)) != std::string_view::npos; start = feed + 1) {
    converted.append(text.substr(start, feed - start));
    converted.append("\r\n");
  }
  converted.append(text.substr(start));
  return converted;
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::optional<std::filesystem::path> OutputWriter::write(const std::filesystem::path& folder,
                                                         std::string_view fileName,
                                                         std::string_view text) {
  std::optional<std::filesystem::path> path = joinInside(folder, fileName);
  if (!path) {
    showFileError(prompter_, std::make_error_code(std::errc::invalid_argument),
                  folder / std::string(fileName));
    return std::nullopt;
  }
  std::string bytes = withWindowsLineEnds(text);
  errno = 0;
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path->c_str(), "wb"));
  bool written = file && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
  if (file && std::fclose(file.release()) != 0) written = false;
  if (!written) {
    showFileError(prompter_, std::error_code(errno != 0 ? errno : EIO, std::system_category()),
                  *path);
    return std::nullopt;
  }
  return path;
}

}  // namespace quorvex
