#ifndef QUORVEX_TESTS_APP_SCRIPTED_FRONT_END_H_
#define QUORVEX_TESTS_APP_SCRIPTED_FRONT_END_H_

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "app/front_end.h"

namespace quorvex::testing {

// What a scripted user does with one dialog: edits the model and returns
// the button that ends it.
using DialogAction = std::function<DialogResult(DialogModel&)>;

// Returns an action that presses `button`: for OK, Next and Previous the
// model's accept() must pass, otherwise the dialog is cancelled (as a user
// who gives up would).
DialogAction press(DialogResult button);

// A visitor that keeps the model it visits when it is a `Wanted`.
template <class Wanted>
class ModelFinder : public DialogModelVisitor {
 public:
#define QUORVEX_FIND_MODEL(Model) \
  void visit(Model& model) override { keep(model); }
  QUORVEX_DIALOG_MODELS(QUORVEX_FIND_MODEL)
#undef QUORVEX_FIND_MODEL

  // The visited model; nullptr when it was of another type.
  Wanted* found = nullptr;

 private:
  template <class Model>
  void keep(Model& model) {
    if constexpr (std::is_same_v<Model, Wanted>) found = &model;
  }
};

// Returns `dialog` as a `Model`, or nullptr when it is a model of another
// type. Found through the model's visitor, as a front end finds its views.
template <class Model>
Model* modelAs(DialogModel& dialog) {
  ModelFinder<Model> finder;
  dialog.acceptVisitor(finder);
  return finder.found;
}

// Returns an action that changes the model, which must be a `Model`, and
// then presses `button`. A model of another type fails the test and the
// dialog is cancelled.
template <class Model>
DialogAction edit(std::function<void(Model&)> change, DialogResult button = DialogResult::kOk) {
  return [change, button](DialogModel& dialog) {
    Model* model = modelAs<Model>(dialog);
    if (model == nullptr) {
      ADD_FAILURE() << "The script expected another model than the one of the dialog \""
                    << dialog.title() << "\"";
      return DialogResult::kCancel;
    }
    change(*model);
    return press(button)(dialog);
  };
}

// A front end played by a script: dialogs are answered by queued actions,
// files chosen from a queue, and everything the application asks of the
// window is recorded. A script that the test did not play to its end (dialog
// actions or files left over when the front end is destroyed) fails the
// test: the dialogs it was written for never opened.
class ScriptedFrontEnd : public FrontEnd {
 public:
  ScriptedFrontEnd() = default;
  ~ScriptedFrontEnd() override;

  // Queues the actions for the next dialogs, in order.
  void queueDialogs(std::initializer_list<DialogAction> actions);
  void queueFiles(std::initializer_list<std::optional<std::filesystem::path>> files);

  DialogResult runDialog(DialogModel& model) override;
  std::optional<std::filesystem::path> chooseFile(const FileDialogRequest& request) override;
  SaveChangesAnswer askSaveChanges(const std::string& title) override;
  void postCommand(int command) override { posted.push_back(command); }
  void selectNavigatorPage(int page) override { pages.push_back(page); }
  void documentChanged() override {}
  bool runSaveSite(bool viewSite) override;
  void runPublish(const PublishRequest& request) override { publishes.push_back(request); }
  void runSalesLogDownload() override { ++salesLogDownloads; }
  void openWithDefaultHandler(const std::string& target) override { opened.push_back(target); }
  void showHelpTopic(const std::string& topic) override { helpTopics.push_back(topic); }
  void showAbout(const std::string& versionLine) override { aboutLines.push_back(versionLine); }
  std::optional<BrowserVersion> browserVersion() override { return browser; }
  void quit() override { quitRequested = true; }

  // The answer to the save-changes question.
  SaveChangesAnswer saveChangesAnswer = SaveChangesAnswer::kNo;
  // Whether the save-site run reports success.
  bool saveSiteSucceeds = true;
  // What the browser component reports.
  std::optional<BrowserVersion> browser = BrowserVersion{5, 0, 3000};

  // The titles of the dialogs shown, in order.
  std::vector<std::string> dialogs;
  // Dialogs shown with no action queued (cancelled).
  int unscriptedDialogs = 0;
  std::vector<FileDialogRequest> fileRequests;
  std::vector<std::string> saveChangesQuestions;
  std::vector<int> posted;
  std::vector<int> pages;
  // The view flag of each save-site run.
  std::vector<bool> saveSiteRuns;
  std::vector<PublishRequest> publishes;
  int salesLogDownloads = 0;
  std::vector<std::string> opened;
  std::vector<std::string> helpTopics;
  std::vector<std::string> aboutLines;
  bool quitRequested = false;

 private:
  std::deque<DialogAction> actions_;
  std::deque<std::optional<std::filesystem::path>> files_;
};

}  // namespace quorvex::testing

#endif  // QUORVEX_TESTS_APP_SCRIPTED_FRONT_END_H_
