#ifndef QUORVEX_UI_DESKTOP_APP_H_
#define QUORVEX_UI_DESKTOP_APP_H_

#include <filesystem>
#include <memory>
#include <optional>

#include "app/app_services.h"
#include "app/clock.h"
#include "app/command_dispatcher.h"
#include "app/document_lifecycle.h"
#include "company/brenquil_doc.h"
#include "platform/env.h"
#include "platform/ini_settings_store.h"
#include "ui/main_window.h"
#include "ui/qt_prompter.h"

namespace quorvex::ui {

// The desktop program put together: the home and the settings store, the
// Qt prompter, the one company document with its lifecycle, the main window
// as front end and the command dispatcher. Needs a QApplication.
class DesktopApp {
 public:
  // `home` must have been seeded; `settingsFile` is the INI store of the
  // per-user settings.
  DesktopApp(const std::filesystem::path& home, const std::filesystem::path& settingsFile);
  DesktopApp(const DesktopApp&) = delete;
  DesktopApp& operator=(const DesktopApp&) = delete;

  // Start-up: opens the document named on the command line (or keeps the
  // new one), shows the main window as it was last, then offers the sample
  // company on the first start or reopens the last document. Returns false
  // when the named document could not be opened; the program then ends.
  [[nodiscard]] bool start(const std::optional<std::filesystem::path>& file);

  MainWindow& window() { return window_; }
  DocumentLifecycle& lifecycle() { return lifecycle_; }
  CBrenquilDoc& document() { return doc_; }
  const Env& env() const { return env_; }
  AppServices& services() { return services_; }

 private:
  QtPrompter prompter_;
  IniSettingsStore settings_;
  Env env_;
  CBrenquilDoc doc_;
  SystemClock clock_;
  MainWindow window_;
  DocumentLifecycle lifecycle_;
  AppServices services_;
  CommandDispatcher dispatcher_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_DESKTOP_APP_H_
