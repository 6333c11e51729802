#ifndef QUORVEX_UI_MAIN_WINDOW_H_
#define QUORVEX_UI_MAIN_WINDOW_H_

#include <QLabel>
#include <QMainWindow>
#include <deque>
#include <functional>
#include <map>

#include "app/front_end.h"
#include "app/site_preview.h"

class QAction;
class QMenu;

namespace quorvex {
class CommandDispatcher;
class DocumentLifecycle;
class RunProgress;
class SettingsStore;
struct AppServices;
}  // namespace quorvex

namespace quorvex::ui {

class HelpWindow;
class Navigator;
struct MenuDefinition;

// The program's one window: the menu bar with every command, the navigator
// as its view, a status bar that says what the highlighted command does and
// a caption naming the open company. It is the application's front end:
// every command number, from the menus, the navigator, the keyboard or
// posted by a command, is carried out by the dispatcher one at a time, and
// the modal dialogs the commands need are opened here.
//
// F1 opens the program's help. The window's size and place are kept in the
// settings store when it closes and restored when it is shown again.
class MainWindow : public QMainWindow, public FrontEnd {
  Q_OBJECT

 public:
  // `settings` must outlive the window.
  explicit MainWindow(SettingsStore& settings);
  ~MainWindow() override;

  // Connects the window to the application; must be called once before it
  // is shown. Everything must outlive the window.
  void attach(AppServices& app, CommandDispatcher& dispatcher);

  // Shows the window as it was when it last closed, maximised the first
  // time.
  void showAsRemembered();

  // Carries out `command` now, or after the running command when one is
  // running.
  void runCommand(int command);

  Navigator* navigator() const { return navigator_; }
  // The menu item of `command`; null when there is none.
  QAction* actionFor(int command) const;

  // FrontEnd.
  DialogResult runDialog(DialogModel& model) override;
  std::optional<std::filesystem::path> chooseFile(const FileDialogRequest& request) override;
  SaveChangesAnswer askSaveChanges(const std::string& title) override;
  void postCommand(int command) override;
  void selectNavigatorPage(int page) override;
  void documentChanged() override;
  [[nodiscard]] bool runSaveSite(bool viewSite) override;
  void runPublish(const PublishRequest& request) override;
  void runSalesLogDownload() override;
  void openWithDefaultHandler(const std::string& target) override;
  void showHelpTopic(const std::string& topic) override;
  void showAbout(const std::string& versionLine) override;
  std::optional<BrowserVersion> browserVersion() override;
  void quit() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void createMenus();
  void fillMenu(QMenu* menu, const MenuDefinition& definition);
  void updateRecentFiles();
  void runEditCommand(int command);
  // F1 of the progress dialog of `progress`.
  std::function<void()> helpFor(const RunProgress& progress);
  // Moves the keyboard focus to the next (+1) or previous (-1) pane.
  void focusPane(int step);
  // Runs the posted commands while no command is running.
  void runPosted();
  // Serves the saved site on this computer (sitePreview_) and opens its
  // address in the browser.
  void viewSavedSite();

  SettingsStore& settings_;
  AppServices* app_ = nullptr;
  CommandDispatcher* dispatcher_ = nullptr;
  Navigator* navigator_;
  HelpWindow* help_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QAction* recentPlaceholder_ = nullptr;
  std::map<int, QAction*> actions_;
  // The saved site as the browser sees it after Save And View.
  SitePreview sitePreview_;
  std::deque<int> posted_;
  bool running_ = false;
  bool quitting_ = false;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_MAIN_WINDOW_H_
