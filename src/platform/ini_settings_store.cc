#include "platform/ini_settings_store.h"

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/strings.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

// What the settings file's lines may carry around their keys, values and
// section names.
constexpr std::string_view kLineBlanks = " \t\r";

// The file as lines (without their line ends), so that a change keeps the
// comments and the order of everything else.
class IniLines {
 public:
  explicit IniLines(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    size_t start = 0;
    while (start < text.size()) {
      size_t end = text.find('\n', start);
      if (end == std::string::npos) end = text.size();
      std::string line = text.substr(start, end - start);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines_.push_back(std::move(line));
      start = end + 1;
    }
  }

  // Returns the value stored under section and key.
  std::optional<std::string> find(std::string_view section, std::string_view key) const {
    std::optional<size_t> line = keyLine(section, key);
    if (!line) return std::nullopt;
    std::string_view text = lines_[*line];
    return std::string(trim(text.substr(text.find('=') + 1), kLineBlanks));
  }

  void set(const std::string& section, const std::string& key, const std::string& value) {
    std::string entry = key + "=" + value;
    if (std::optional<size_t> line = keyLine(section, key)) {
      lines_[*line] = entry;
      return;
    }
    std::optional<size_t> header = headerLine(section);
    if (!header) {
      if (!lines_.empty() && !trim(lines_.back(), kLineBlanks).empty()) lines_.emplace_back();
      lines_.push_back("[" + section + "]");
      lines_.push_back(entry);
      return;
    }
    // After the last non-blank line of the section.
    size_t insert_at = *header + 1;
    for (size_t i = *header + 1; i < lines_.size() && !sectionName(lines_[i]); ++i) {
      if (!trim(lines_[i], kLineBlanks).empty()) insert_at = i + 1;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insert_at), entry);
  }

  std::string text() const {
    std::string text;
    for (const std::string& line : lines_) text += line + "\n";
    return text;
  }

 private:
  static std::optional<std::string_view> sectionName(std::string_view line) {
    line = trim(line, kLineBlanks);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') return std::nullopt;
    return trim(line.substr(1, line.size() - 2), kLineBlanks);
  }

  std::optional<size_t> headerLine(std::string_view section) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
      std::optional<std::string_view> name = sectionName(lines_[i]);
      if (name && equalsIgnoreCase(*name, section)) return i;
    }
    return std::nullopt;
  }

  std::optional<size_t> keyLine(std::string_view section, std::string_view key) const {
    std::optional<size_t> header = headerLine(section);
    if (!header) return std::nullopt;
    for (size_t i = *header + 1; i < lines_.size() && !sectionName(lines_[i]); ++i) {
      std::string_view line = lines_[i];
      if (trim(line, kLineBlanks).empty() || trim(line, kLineBlanks).front() == ';') continue;
      size_t equals = line.find('=');
      if (equals != std::string_view::npos && equalsIgnoreCase(trim(line.substr(0, equals), kLineBlanks), key)) {
        return i;
      }
    }
    return std::nullopt;
  }

  std::vector<std::string> lines_;
};

bool hasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string::npos; }

}  // namespace

IniSettingsStore::IniSettingsStore(fs::path file) : file_(std::move(file)) {}

fs::path IniSettingsStore::defaultFile() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  fs::path base;
  if (config != nullptr && *config != '\0') {
    base = config;
  } else {
    const char* home = std::getenv("HOME");
    base = fs::path(home != nullptr && *home != '\0' ? home : ".") / ".config";
  }
  return base / "Quorvex Software" / "Quorvex.ini";
}

std::string IniSettingsStore::getString(const std::string& section, const std::string& key,
                                        const std::string& fallback) {
  std::lock_guard<std::mutex> lock(mutex_);
  return IniLines(file_).find(section, key).value_or(fallback);
}

int IniSettingsStore::getInt(const std::string& section, const std::string& key, int fallback) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::optional<std::string> text = IniLines(file_).find(section, key);
  if (!text) return fallback;
  int value = 0;
  const char* end = text->data() + text->size();
  std::from_chars_result parsed = std::from_chars(text->data(), end, value);
  if (parsed.ec != std::errc() || parsed.ptr != end) return fallback;
  return value;
}

Status IniSettingsStore::setString(const std::string& section, const std::string& key,
                                   const std::string& value) {
  if (hasLineBreak(section) || hasLineBreak(key) || hasLineBreak(value) ||
      key.find('=') != std::string::npos || section.find(']') != std::string::npos ||
      trim(key, kLineBlanks).empty() || trim(section, kLineBlanks).empty()) {
    return Status::invalidArgument("The setting " + section + "/" + key + " cannot be stored.");
  }
  std::lock_guard<std::mutex> lock(mutex_);
  IniLines lines(file_);
  lines.set(section, key, value);
  std::error_code ec;
  fs::create_directories(file_.parent_path(), ec);
  if (ec) {
    return Status::ioError("Cannot create the folder " + file_.parent_path().string() + ": " +
                           ec.message());
  }
  return replaceFileAtomically(file_, lines.text());
}

Status IniSettingsStore::setInt(const std::string& section, const std::string& key, int value) {
  return setString(section, key, std::to_string(value));
}

}  // namespace quorvex
