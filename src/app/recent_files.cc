#include "app/recent_files.h"

#include <algorithm>
#include <system_error>

#include "platform/settings_store.h"

namespace quorvex {

RecentFiles::RecentFiles(SettingsStore& settings) : settings_(settings) {}

std::string RecentFiles::keyOf(int index) { return "File" + std::to_string(index + 1); }

std::string RecentFiles::entry(int index) const {
  if (index < 0 || index >= kSize) return "";
  return settings_.getString(kSection, keyOf(index), "");
}

std::vector<std::string> RecentFiles::entries() const {
  std::vector<std::string> list;
  for (int i = 0; i < kSize; ++i) {
    std::string file = entry(i);
    if (!file.empty()) list.push_back(std::move(file));
  }
  return list;
}

void RecentFiles::add(const std::filesystem::path& file) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(file, error);
  std::string added = (error ? file : absolute).lexically_normal().string();
  std::vector<std::string> list = entries();
  list.erase(std::remove(list.begin(), list.end(), added), list.end());
  list.insert(list.begin(), added);
  for (int i = 0; i < kSize; ++i) {
    (void)settings_.setString(kSection, keyOf(i), i < static_cast<int>(list.size()) ? list[i] : "");
  }
}

}  // namespace quorvex
