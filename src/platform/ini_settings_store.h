#ifndef QUORVEX_PLATFORM_INI_SETTINGS_STORE_H_
#define QUORVEX_PLATFORM_INI_SETTINGS_STORE_H_

#include <filesystem>
#include <mutex>
#include <string>

#include "platform/settings_store.h"

namespace quorvex {

// The settings store as an INI file:
//   [Section]
//   Key=Value
// Blank lines and lines starting with ";" are comments. The file is read on
// every access, so that two programs sharing it see each other's changes, and
// every change rewrites it atomically: a crash never leaves half a file.
// A missing or unreadable file reads as empty.
class IniSettingsStore : public SettingsStore {
 public:
  explicit IniSettingsStore(std::filesystem::path file);

  // Returns ${XDG_CONFIG_HOME:-~/.config}/Quorvex Software/Quorvex.ini: the
  // store of the company "Quorvex Software" and the application "Quorvex".
  static std::filesystem::path defaultFile();

  const std::filesystem::path& file() const { return file_; }

  std::string getString(const std::string& section, const std::string& key,
                        const std::string& fallback) override;
  int getInt(const std::string& section, const std::string& key, int fallback) override;
  Status setString(const std::string& section, const std::string& key,
                   const std::string& value) override;
  Status setInt(const std::string& section, const std::string& key, int value) override;

 private:
  std::filesystem::path file_;
  std::mutex mutex_;
};

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_INI_SETTINGS_STORE_H_
