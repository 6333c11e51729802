// quorvex: the desktop program.
//   quorvex [--home DIR] [FILE.qvx]
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/home.h"
#include "platform/ini_settings_store.h"
#include "ui/desktop_app.h"

namespace {

// True when Qt has somewhere to show windows: a display, or a platform
// chosen explicitly (such as offscreen).
bool hasDisplay() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  std::optional<std::string> home;
  std::optional<std::filesystem::path> file;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--home" && i + 1 < argc) {
      home = argv[++i];
    } else if (arg == "--help") {
      std::printf("usage: quorvex [--home DIR] [FILE.qvx]\n");
      return 0;
    } else if (!file && !arg.starts_with("-")) {
      file = arg;
    } else {
      std::fprintf(stderr, "quorvex: unexpected argument %s\nusage: quorvex [--home DIR] [FILE.qvx]\n",
                   arg.c_str());
      return 2;
    }
  }
  if (!hasDisplay()) {
    std::fprintf(stderr,
                 "quorvex: there is no display to show the window on.\n"
                 "Start it from a desktop session, or under a virtual display:\n"
                 "  xvfb-run quorvex\n"
                 "The command-line tool quorvex-cli does everything without one.\n");
    return 1;
  }
  const std::filesystem::path homeFolder = quorvex::resolveHome(home);
  quorvex::Status seeded = quorvex::seedHome(homeFolder, quorvex::installedDataDir());
  if (!seeded.ok()) {
    std::fprintf(stderr, "quorvex: %s\n", seeded.message().c_str());
    return 1;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName("Quorvex");
  QApplication::setOrganizationName("Quorvex Software");
  quorvex::ui::DesktopApp app(homeFolder, quorvex::IniSettingsStore::defaultFile());
  if (!app.start(file)) return 1;
  return QApplication::exec();
}
