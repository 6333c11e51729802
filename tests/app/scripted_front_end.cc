#include "app/scripted_front_end.h"

namespace quorvex::testing {

DialogAction press(DialogResult button) {
  return [button](DialogModel& model) {
    if (button == DialogResult::kCancel) return button;
    return model.accept() ? button : DialogResult::kCancel;
  };
}

ScriptedFrontEnd::~ScriptedFrontEnd() {
  if (!actions_.empty()) {
    ADD_FAILURE() << actions_.size() << " scripted dialog action(s) left unused";
  }
  if (!files_.empty()) ADD_FAILURE() << files_.size() << " scripted file(s) left unchosen";
}

void ScriptedFrontEnd::queueDialogs(std::initializer_list<DialogAction> actions) {
  actions_.insert(actions_.end(), actions);
}

void ScriptedFrontEnd::queueFiles(
    std::initializer_list<std::optional<std::filesystem::path>> files) {
  files_.insert(files_.end(), files);
}

DialogResult ScriptedFrontEnd::runDialog(DialogModel& model) {
  dialogs.push_back(model.title());
  DialogResult result = DialogResult::kCancel;
  if (actions_.empty()) {
    ++unscriptedDialogs;
  } else {
    DialogAction action = std::move(actions_.front());
    actions_.pop_front();
    result = action(model);
  }
  return result;
}

std::optional<std::filesystem::path> ScriptedFrontEnd::chooseFile(
    const FileDialogRequest& request) {
  fileRequests.push_back(request);
  if (files_.empty()) return std::nullopt;
  std::optional<std::filesystem::path> file = files_.front();
  files_.pop_front();
  return file;
}

SaveChangesAnswer ScriptedFrontEnd::askSaveChanges(const std::string& title) {
  saveChangesQuestions.push_back(title);
  return saveChangesAnswer;
}

bool ScriptedFrontEnd::runSaveSite(bool viewSite) {
  saveSiteRuns.push_back(viewSite);
  return saveSiteSucceeds;
}

}  // namespace quorvex::testing
