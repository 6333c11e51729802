#ifndef QUORVEX_APP_HELP_COMMANDS_H_
#define QUORVEX_APP_HELP_COMMANDS_H_

#include <string>

#include "app/app_version.h"
#include "app/browser_check.h"

namespace quorvex {

class Env;
class FrontEnd;

// The commands of the Help menu and the Help buttons of the dialogs: the
// help pages in the folder "Help" of the program folder (one HTML page per
// topic), the local documentation
// "Docs/index.html", the vendor's pages and the About box.
class HelpCommands {
 public:
  // The topic of the program's main help page.
  static constexpr const char* kMainTopic = "Quorvex.html";
  // The folder of the help pages, below the program folder.
  static constexpr const char* kHelpFolder = "Help";

  // `browser` is what the browser check found at start-up. `env` and
  // `frontEnd` must outlive the commands.
  HelpCommands(const Env& env, FrontEnd& frontEnd, BrowserInfo browser);

  // Shows the help page of `topic` ("LocationInformation.html"), or the main
  // page when the topic has none. A missing main page is reported instead. The first time in a run with a browser that
  // is not ready, a message says which browser the help needs; the help is
  // shown all the same.
  void showHelp(const std::string& topic);

  // Opens the local documentation when it can be read, else the vendor's
  // web site.
  void showOnline();

  // Opens the vendor's download page.
  void showUpdate();

  // Shows the About box for the program version `version`.
  void showAbout(const VersionRecord& version);

 private:
  void warnAboutBrowserOnce();

  const Env& env_;
  FrontEnd& frontEnd_;
  BrowserInfo browser_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_HELP_COMMANDS_H_
