#include "platform/env.h"

#include <utility>

#include "platform/curl_ftp_client.h"
#include "platform/freetype_font_rasterizer.h"
#include "platform/ini_settings_store.h"

namespace quorvex {

namespace {

// A shared pointer that does not own: the caller keeps the service alive.
template <typename T>
std::shared_ptr<T> borrowed(T* service) {
  return std::shared_ptr<T>(service, [](T*) {});
}

}  // namespace

Env::Env(std::filesystem::path home, Prompter& prompter, SettingsStore* settings, FtpClient* ftp,
         FontRasterizer* fonts)
    : home_(std::move(home)),
      prompter_(prompter),
      settings_(settings != nullptr
                    ? borrowed(settings)
                    : std::make_shared<IniSettingsStore>(IniSettingsStore::defaultFile())),
      ftp_(ftp != nullptr ? borrowed(ftp) : std::make_shared<CurlFtpClient>()),
      fonts_(fonts != nullptr ? borrowed(fonts) : std::make_shared<FreetypeFontRasterizer>()) {}

}  // namespace quorvex
