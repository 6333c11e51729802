#ifndef QUORVEX_APP_FRONT_END_H_
#define QUORVEX_APP_FRONT_END_H_

#include <filesystem>
#include <optional>
#include <string>

#include "app/browser_check.h"
#include "app/dialog_host.h"

namespace quorvex {

class CFileList;
class CFtp;

// What the publish dialog is opened with.
struct PublishRequest {
  // The site adds commerce to a site the user already has.
  bool addOn = false;
  // The folder the upload works from: the existing site's folder for an
  // add-on site, the program folder otherwise.
  std::filesystem::path workingFolder;
  // The company name followed by a backslash: the site folder below the
  // program folder.
  std::string sitePrefix;
  // The document's published-file lists and server preferences; they live as
  // long as the document.
  CFileList* webFiles = nullptr;
  CFileList* orderServerFiles = nullptr;
  CFtp* serverPreferences = nullptr;
};

// What the application needs from the window that shows it: the modal
// dialogs (DialogHost), the posted commands, the navigator, the long runs
// behind their progress dialogs, the desktop's default handler and the help
// viewer. The desktop GUI implements it with widgets; tests with a script.
// Messages and yes/no questions go through the Env's Prompter.
class FrontEnd : public DialogHost {
 public:
  // Queues `command`; it runs after the current command has returned.
  virtual void postCommand(int command) = 0;

  // Brings navigator page `page` (0 Start ... 4 Upload) to the front and
  // selects its group.
  virtual void selectNavigatorPage(int page) = 0;

  // The document's title or content changed: refresh the caption and views.
  virtual void documentChanged() = 0;

  // Runs the save-site run behind its progress dialog; `viewSite` opens the
  // index page in the browser afterwards. Returns true when the run reported
  // success.
  [[nodiscard]] virtual bool runSaveSite(bool viewSite) = 0;

  // Opens the publish dialog, which uploads the site; returns when it closed.
  virtual void runPublish(const PublishRequest& request) = 0;

  // Runs the sales-log download behind its progress dialog.
  virtual void runSalesLogDownload() = 0;

  // Opens a file or an address with the desktop's default handler.
  virtual void openWithDefaultHandler(const std::string& target) = 0;

  // Shows the help page `page` (an HTML file) in the help viewer.
  virtual void showHelpTopic(const std::string& page) = 0;

  // Shows the About box with its version line.
  virtual void showAbout(const std::string& versionLine) = 0;

  // The version of the browser component the help viewer relies on; nullopt
  // when the query fails.
  virtual std::optional<BrowserVersion> browserVersion() = 0;

  // Ends the program (after the document's save question was answered).
  virtual void quit() = 0;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_FRONT_END_H_
