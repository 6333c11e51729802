#include "app/help_commands.h"

#include <fstream>
#include <system_error>
#include <utility>

#include "app/front_end.h"
#include "app/vendor_addresses.h"
#include "platform/env.h"

namespace quorvex {

namespace {

bool readable(const std::filesystem::path& file) {
  std::error_code error;
  return std::filesystem::is_regular_file(file, error) &&
         static_cast<bool>(std::ifstream(file, std::ios::binary));
}

}  // namespace

HelpCommands::HelpCommands(const Env& env, FrontEnd& frontEnd, BrowserInfo browser)
    : env_(env), frontEnd_(frontEnd), browser_(std::move(browser)) {}

void HelpCommands::showHelp(const std::string& topic) {
  const std::filesystem::path folder = env_.home() / kHelpFolder;
  const std::filesystem::path mainPage = folder / kMainTopic;
  if (!readable(mainPage)) {
    env_.prompter().showMessage("Cannot find Quorvex Help at " + mainPage.string() +
                                ".\nPlease visit " + kHelpDownloadPage +
                                " to download the current version.");
    return;
  }
  warnAboutBrowserOnce();
  // A dialog without a page of its own gets the program's main page.
  const std::filesystem::path page = folder / topic;
  frontEnd_.showHelpTopic((readable(page) ? page : mainPage).string());
}

void HelpCommands::warnAboutBrowserOnce() {
  if (browser_.ready) return;
  browser_.ready = true;
  const std::string found =
      browser_.name == "Unknown"
          ? "It appears that Internet Explorer is either not installed or not installed properly."
          : "It appears that Internet Explorer " + browser_.name + " is currently installed.";
  env_.prompter().showMessage(found +
                              "\nQuorvex Help requires that Internet Explorer 4.0 or higher be "
                              "installed on your system.\nPlease visit " +
                              kBrowserDownloadPage + " to download the current version.");
}

void HelpCommands::showOnline() {
  const std::filesystem::path documentation = env_.home() / "Docs" / "index.html";
  frontEnd_.openWithDefaultHandler(readable(documentation) ? documentation.string()
                                                           : kVendorWebSite);
}

void HelpCommands::showUpdate() { frontEnd_.openWithDefaultHandler(kHelpDownloadPage); }

void HelpCommands::showAbout(const VersionRecord& version) {
  frontEnd_.showAbout(aboutVersionLine(versionText(version)));
}

}  // namespace quorvex
