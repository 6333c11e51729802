#include "platform/paths.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>

#include "platform/strings.h"

namespace quorvex {

namespace fs = std::filesystem;

fs::path nativePath(std::string_view stored) {
  std::string text(stored);
  std::replace(text.begin(), text.end(), '\\', '/');
  return fs::path(text);
}

std::optional<fs::path> findCaseInsensitive(const fs::path& dir, std::string_view name) {
  std::error_code ec;
  fs::path exact = dir / fs::path(std::string(name));
  if (fs::exists(exact, ec)) return exact;
  fs::directory_iterator it(dir, ec);
  if (ec) return std::nullopt;
  for (const fs::directory_entry& entry : it) {
    if (equalsIgnoreCase(entry.path().filename().string(), name)) return entry.path();
  }
  return std::nullopt;
}

std::optional<fs::path> joinInside(const fs::path& dir, std::string_view name) {
  if (name.empty()) return std::nullopt;
  if (name.size() >= 2 && name[1] == ':') return std::nullopt;  // a drive letter
  fs::path relative = nativePath(name);
  if (relative.is_absolute() || relative.has_root_name() || relative.has_root_directory()) {
    return std::nullopt;
  }
  for (const fs::path& part : relative) {
    if (part == "..") return std::nullopt;
  }
  return dir / relative;
}

bool isSingleFileName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '/' || c == '\\' || c == ':' || byte < 0x20 || byte == 0x7F) return false;
  }
  return true;
}

fs::path resolveStoredPath(const fs::path& home, std::string_view stored) {
  fs::path file = nativePath(stored);
  if (file.is_relative()) file = home / file;
  std::error_code error;
  if (fs::exists(file, error) || !file.has_filename()) return file;
  return findCaseInsensitive(file.parent_path(), file.filename().string()).value_or(file);
}

bool isWithin(const fs::path& folder, const fs::path& path) {
  if (folder.empty()) return false;
  const fs::path relative = path.lexically_normal().lexically_relative(folder.lexically_normal());
  return !relative.empty() && *relative.begin() != "..";
}

}  // namespace quorvex
