#include "site/template_folder_util.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>

#include "platform/prompter.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kForbiddenNameCharacters = "\\/:*?\"<>|";

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

std::vector<std::string> visibleEntryNames(const fs::path& dir, EntryKind kind) {
  std::vector<std::string> names;
  std::error_code ec;
  fs::directory_iterator it(dir, ec);
  if (ec) return names;
  for (const fs::directory_entry& entry : it) {
    std::string name = entry.path().filename().string();
    if (name.empty() || name.front() == '.') continue;
    std::error_code kindError;
    const bool isFolder = entry.is_directory(kindError);
    if (kindError) continue;
    const bool wanted =
        kind == EntryKind::kFolder ? isFolder : !isFolder && entry.is_regular_file(kindError);
    if (wanted && !kindError) names.push_back(std::move(name));
  }
  return names;
}

std::optional<fs::path> entryPath(const fs::path& dir, std::string_view name) {
  if (name.empty() || name == "." || name == ".." ||
      name.find_first_of("/\\") != std::string_view::npos) {
    return std::nullopt;
  }
  return dir / std::string(name);
}

void sortByBytes(std::vector<std::string>& names) {
  // std::string compares its characters as unsigned bytes.
  std::sort(names.begin(), names.end());
}

std::vector<std::string> splitLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (end != std::string_view::npos && !line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::optional<std::string> readTextFile(const fs::path& file, std::string* error) {
  errno = 0;
  std::unique_ptr<std::FILE, FileCloser> in(std::fopen(file.c_str(), "rb"));
  std::string text;
  if (in) {
    char buffer[8192];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, in.get())) > 0) text.append(buffer, got);
    if (!std::ferror(in.get())) return text;
  }
  // Opening a folder succeeds on some systems; reading it then fails.
  if (error != nullptr) {
    *error = std::generic_category().message(errno != 0 ? errno : EIO);
  }
  return std::nullopt;
}

std::optional<std::string> readFirstLine(const fs::path& file) {
  std::optional<std::string> text = readTextFile(file);
  if (!text) return std::nullopt;
  std::vector<std::string> lines = splitLines(*text);
  return lines.empty() ? std::string() : lines.front();
}

std::string firstFreeName(const std::string& base, const std::vector<std::string>& taken) {
  auto isTaken = [&taken](const std::string& name) {
    return std::find(taken.begin(), taken.end(), name) != taken.end();
  };
  std::string name = base;
  for (int number = 2; isTaken(name); ++number) name = base + " " + std::to_string(number);
  return name;
}

bool acceptTemplateName(const std::string& name, const char* kind, const char* emptyMessage,
                        Prompter& prompter) {
  if (name.empty()) {
    prompter.showMessage(emptyMessage);
    return false;
  }
  if (name.find_first_of(kForbiddenNameCharacters) != std::string::npos) {
    prompter.showMessage(std::string("Sorry, ") + kind +
                         " Name may not include any of these characters:\n" +
                         std::string(kForbiddenNameCharacters));
    return false;
  }
  return true;
}

bool acceptFreeTemplateName(const std::string& name, const std::string& ownName,
                            const std::vector<std::string>& names, const char* kind,
                            Prompter& prompter) {
  if (name == ownName || std::find(names.begin(), names.end(), name) == names.end()) return true;
  prompter.showMessage("The name '" + name + "' is already in use.  Please choose a different " +
                       kind + " Name to continue.");
  return false;
}

}  // namespace quorvex
