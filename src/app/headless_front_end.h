#ifndef QUORVEX_APP_HEADLESS_FRONT_END_H_
#define QUORVEX_APP_HEADLESS_FRONT_END_H_

#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "app/front_end.h"

namespace quorvex {

// The front end of a run without windows, such as one command of the
// command-line tool: a step's model is driven by code, and every dialog the
// step opens is filled by the next queued filler and then accepted with the
// dialog's own checks (whose messages go through the Env's Prompter).
//
// A command that uses it does one change: commands a step posts, navigator
// pages, the save-site and publish runs, the help viewer and quitting belong
// to the desktop program and are not run here (runSaveSite() reports that it
// did not run); a save question is answered No, the command saves itself.
class HeadlessFrontEnd : public FrontEnd {
 public:
  // Fills the values of a dialog; returns false when the dialog is not the
  // one it fills (the dialog is then cancelled).
  using Filler = std::function<bool(DialogModel&)>;

  // Queues the filler of the next dialog a step opens.
  void expectDialog(Filler filler) { fillers_.push_back(std::move(filler)); }

  // True when every queued dialog was opened, filled and accepted, and no
  // dialog opened that was not expected (such as one that opens again
  // because what it held was refused after its OK).
  bool allAccepted() const { return fillers_.empty() && !failed_; }

  // The file every file dialog chooses from now on, given ahead (such as by
  // an option of a command); nullopt (the default) cancels them.
  void setChosenFile(std::optional<std::filesystem::path> file) { chosenFile_ = std::move(file); }

  // Fills `model` with the next filler and accepts it: kOk when its checks
  // pass, kCancel (after their message) when they fail or no filler waits.
  DialogResult runDialog(DialogModel& model) override;
  // Returns the file given by setChosenFile().
  std::optional<std::filesystem::path> chooseFile(const FileDialogRequest& request) override;
  SaveChangesAnswer askSaveChanges(const std::string& title) override;

  void postCommand(int command) override;
  void selectNavigatorPage(int page) override;
  void documentChanged() override;
  [[nodiscard]] bool runSaveSite(bool viewSite) override;
  void runPublish(const PublishRequest& request) override;
  void runSalesLogDownload() override;
  void openWithDefaultHandler(const std::string& target) override;
  void showHelpTopic(const std::string& page) override;
  void showAbout(const std::string& versionLine) override;
  std::optional<BrowserVersion> browserVersion() override;
  void quit() override;

 private:
  std::deque<Filler> fillers_;
  bool failed_ = false;
  std::optional<std::filesystem::path> chosenFile_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_HEADLESS_FRONT_END_H_
