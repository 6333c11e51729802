#include "app/app_version.h"

#include <algorithm>

namespace quorvex {

std::string versionText(const VersionRecord& record) {
  std::string text;
  for (size_t i = 0; i < record.size(); ++i) {
    if (i > 0) text += ',';
    text += std::to_string(record[i]);
  }
  text.resize(std::min<size_t>(text.size(), 5));
  std::replace(text.begin(), text.end(), ',', '.');
  return text;
}

std::string aboutVersionLine(const std::string& versionText) {
  return "Quorvex Version " + versionText;
}

VersionRecord parseVersionRecord(std::string_view dotted) {
  VersionRecord record{};
  size_t part = 0;
  for (char c : dotted) {
    if (c == '.') {
      if (++part == record.size()) break;
    } else if (c >= '0' && c <= '9' && record[part] < 100000) {
      record[part] = record[part] * 10 + (c - '0');
    }
  }
  return record;
}

VersionRecord programVersion() { return parseVersionRecord(QUORVEX_VERSION); }

}  // namespace quorvex
