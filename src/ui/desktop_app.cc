#include "ui/desktop_app.h"

#include "app/start_up.h"

namespace quorvex::ui {

DesktopApp::DesktopApp(const std::filesystem::path& home,
                       const std::filesystem::path& settingsFile)
    : settings_(settingsFile),
      env_(home, prompter_, &settings_),
      doc_(env_),
      window_(settings_),
      lifecycle_(doc_, env_, window_, clock_),
      services_{doc_, lifecycle_, env_, window_, clock_, {}},
      dispatcher_(services_) {
  prompter_.setParentWindow(&window_);
  window_.attach(services_, dispatcher_);
}

bool DesktopApp::start(const std::optional<std::filesystem::path>& file) {
  StartUp startUp(lifecycle_, clock_, /*versions=*/nullptr);
  if (!startUp.openCommandLine(file)) return false;
  window_.documentChanged();
  window_.showAsRemembered();
  startUp.offerSampleOrReopen(StartUp::defaultSamplePath(), file.has_value());
  window_.documentChanged();
  return true;
}

}  // namespace quorvex::ui
