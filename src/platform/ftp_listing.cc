#include "platform/ftp_listing.h"

#include <charconv>
#include <string>

namespace quorvex {

namespace {

// Calls `take` with each line of `text`, without its line end.
template <typename Take>
void forEachLine(std::string_view text, Take take) {
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    take(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
}

std::optional<std::uint64_t> sizeOf(std::string_view digits) {
  std::uint64_t size = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), size);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return size;
}

bool isDotName(std::string_view name) { return name == "." || name == ".."; }

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if ((a[i] | 0x20) != (b[i] | 0x20)) return false;
  }
  return true;
}

// Splits off the next field of `line` that white space ends.
std::string_view nextField(std::string_view& line) {
  const size_t start = line.find_first_not_of(' ');
  if (start == std::string_view::npos) {
    line = {};
    return {};
  }
  line.remove_prefix(start);
  const size_t end = line.find(' ');
  std::string_view field = line.substr(0, end);
  line.remove_prefix(end == std::string_view::npos ? line.size() : end);
  return field;
}

}  // namespace

std::vector<FtpFolderEntry> parseMachineListing(std::string_view text) {
  std::vector<FtpFolderEntry> entries;
  forEachLine(text, [&](std::string_view line) {
    const size_t space = line.find(' ');
    if (space == std::string_view::npos || space + 1 >= line.size()) return;
    FtpFolderEntry entry;
    entry.name = std::string(line.substr(space + 1));
    std::string_view facts = line.substr(0, space);
    bool listed = false;  // only files and folders, by their type fact
    while (!facts.empty()) {
      const size_t end = facts.find(';');
      const std::string_view fact = facts.substr(0, end);
      facts.remove_prefix(end == std::string_view::npos ? facts.size() : end + 1);
      const size_t equals = fact.find('=');
      if (equals == std::string_view::npos) continue;
      const std::string_view key = fact.substr(0, equals);
      const std::string_view value = fact.substr(equals + 1);
      if (equalsIgnoringCase(key, "type")) {
        entry.isFolder = equalsIgnoringCase(value, "dir");
        listed = entry.isFolder || equalsIgnoringCase(value, "file");
      } else if (equalsIgnoringCase(key, "size")) {
        entry.size = sizeOf(value);
      }
    }
    if (entry.isFolder) entry.size.reset();  // a folder's size says nothing of its files
    if (listed && !isDotName(entry.name)) entries.push_back(std::move(entry));
  });
  return entries;
}

std::vector<FtpFolderEntry> parseUnixListing(std::string_view text) {
  std::vector<FtpFolderEntry> entries;
  forEachLine(text, [&](std::string_view line) {
    const std::string_view mode = nextField(line);
    if (mode.size() < 10 || std::string_view("-dl").find(mode[0]) == std::string_view::npos) {
      return;  // "total 12" and anything else that is no entry
    }
    nextField(line);  // links
    nextField(line);  // owner
    nextField(line);  // group
    const std::optional<std::uint64_t> size = sizeOf(nextField(line));
    for (int dateField = 0; dateField < 3; ++dateField) nextField(line);
    if (!size || line.size() < 2 || line[0] != ' ') return;
    std::string_view name = line.substr(1);
    if (mode[0] == 'l') name = name.substr(0, name.find(" -> "));
    if (name.empty() || isDotName(name)) return;
    entries.push_back({std::string(name), mode[0] == 'd', mode[0] == '-' ? size : std::nullopt});
  });
  return entries;
}

}  // namespace quorvex
