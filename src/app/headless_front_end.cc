#include "app/headless_front_end.h"

#include "app/dialog_model.h"

namespace quorvex {

DialogResult HeadlessFrontEnd::runDialog(DialogModel& model) {
  if (fillers_.empty()) {
    failed_ = true;
    return DialogResult::kCancel;
  }
  Filler filler = std::move(fillers_.front());
  fillers_.pop_front();
  if (!filler(model) || !model.accept()) {
    failed_ = true;
    return DialogResult::kCancel;
  }
  return DialogResult::kOk;
}

std::optional<std::filesystem::path> HeadlessFrontEnd::chooseFile(const FileDialogRequest&) {
  return chosenFile_;
}

SaveChangesAnswer HeadlessFrontEnd::askSaveChanges(const std::string&) {
  return SaveChangesAnswer::kNo;
}

void HeadlessFrontEnd::postCommand(int) {}
void HeadlessFrontEnd::selectNavigatorPage(int) {}
void HeadlessFrontEnd::documentChanged() {}
bool HeadlessFrontEnd::runSaveSite(bool) { return false; }
void HeadlessFrontEnd::runPublish(const PublishRequest&) {}
void HeadlessFrontEnd::runSalesLogDownload() {}
void HeadlessFrontEnd::openWithDefaultHandler(const std::string&) {}
void HeadlessFrontEnd::showHelpTopic(const std::string&) {}
void HeadlessFrontEnd::showAbout(const std::string&) {}
std::optional<BrowserVersion> HeadlessFrontEnd::browserVersion() { return std::nullopt; }
void HeadlessFrontEnd::quit() {}

}  // namespace quorvex
