#ifndef QUORVEX_PLATFORM_ENV_H_
#define QUORVEX_PLATFORM_ENV_H_

#include <filesystem>
#include <memory>

#include "platform/font_rasterizer.h"
#include "platform/ftp_client.h"
#include "platform/prompter.h"
#include "platform/settings_store.h"

namespace quorvex {

// The platform services handed to the code that needs them, never reached
// through globals, so that tests can replace each one: the home folder, the
// prompter, the per-user settings store, the FTP client and the font
// rasterizer that draws the texts of button pictures.
//
// The services passed in must outlive the Env and its copies. A service left
// out (null) is the program's own, shared by copies: the INI file of
// IniSettingsStore::defaultFile(), the libcurl client and the FreeType
// rasterizer.
class Env {
 public:
  Env(std::filesystem::path home, Prompter& prompter, SettingsStore* settings = nullptr,
      FtpClient* ftp = nullptr, FontRasterizer* fonts = nullptr);

  // The program folder; relative paths are relative to it.
  const std::filesystem::path& home() const { return home_; }
  Prompter& prompter() const { return prompter_; }
  SettingsStore& settings() const { return *settings_; }
  FtpClient& ftp() const { return *ftp_; }
  FontRasterizer& fonts() const { return *fonts_; }

 private:
  std::filesystem::path home_;
  Prompter& prompter_;
  std::shared_ptr<SettingsStore> settings_;
  std::shared_ptr<FtpClient> ftp_;
  std::shared_ptr<FontRasterizer> fonts_;
};

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_ENV_H_
