#include "app/publish_model.h"

#include <exception>
#include <utility>

#include "publish/upload_run.h"

namespace quorvex {

namespace {

int pendingEntries(const CFileList& list, const std::filesystem::path& home) {
  int count = 0;
  for (const CFileEntry& entry : list.entries) {
    if (entry.isChanged(home) || entry.isToDelete()) ++count;
  }
  return count;
}

}  // namespace

PublishModel::PublishModel(UploadSettings settings, CFileList& webFiles,
                           CFileList& orderServerFiles, const Env& env)
    : DialogModel("Publish Web Site To Internet"),
      settings_(std::move(settings)),
      web_files_(webFiles),
      order_server_files_(orderServerFiles),
      env_(env) {
  reinitialise();
}

PublishModel::~PublishModel() {
  if (worker_.joinable()) {
    status_.requestStop();
    worker_.join();
  }
}

const char* PublishModel::introText() {
  return "Press the \"Go\" button to publish all changes in your site, or \"Upload All\" to "
         "publish the entire site.  This will replace the site you currently have on the "
         "Internet.";
}

void PublishModel::go() {
  if (worker_.joinable()) return requestStop(false);
  go_text_ = "&Stop";
  controls_enabled_ = false;
  status_text_ = "Finding changed files to upload";
  const int count =
      pendingEntries(order_server_files_, env_.home()) + pendingEntries(web_files_, env_.home());
  if (count == 0) {
    env_.prompter().showMessage(
        "There are no files to upload, as nothing has changed since the last upload.\n"
        "If you wish to re-upload your entire site, please click on the \"Upload All\" button.");
    status_text_ = "Nothing to upload";
    go_text_ = "&Go";
    controls_enabled_ = true;
    notifyChanged();
    return;
  }
  progress_maximum_ = count;
  progress_position_ = 0;
  worker_ = std::thread([this] {
    try {
      UploadRun(settings_, web_files_, order_server_files_, env_, status_).run();
    } catch (const std::exception& error) {
      status_.setErrorText(error.what());
      status_.setState(WorkerState::kFailed);
    }
  });
  status_text_ = "Initiating FTP connection";
  notifyChanged();
}

void PublishModel::uploadAll() {
  if (worker_.joinable()) return;
  for (CFileList* list : {&order_server_files_, &web_files_}) {
    for (CFileEntry& entry : list->entries) {
      if (entry.inUse == 1) entry.clearPublished();
    }
  }
  go();
}

bool PublishModel::accept() {
  if (!worker_.joinable()) {
    closed_ = true;
    notifyChanged();
    return true;
  }
  requestStop(true);
  return false;
}

void PublishModel::requestStop(bool closing) {
  status_.requestStop();
  if (closing) {
    close_requested_ = true;
    upload_all_text_ = "Closing";
  } else {
    go_text_ = "Stopping";
  }
  status_text_ = "Terminating FTP connection";
  notifyChanged();
}

void PublishModel::poll() {
  if (!worker_.joinable()) return;
  switch (status_.state()) {
    case WorkerState::kRunning:
      if (!status_.stopRequested()) {
        std::string progress = status_.progressText();
        if (!progress.empty() && progress != status_text_) {
          status_text_ = std::move(progress);
          progress_position_ = status_.counter();
          notifyChanged();
        }
      }
      return;
    case WorkerState::kAsking:
      if (!status_.stopRequested()) {
        std::string error = status_.errorText();
        if (!error.empty() && error != status_text_) {
          status_text_ = std::move(error);
          notifyChanged();
        }
      }
      return;
    case WorkerState::kFailed: {
      endRun();
      std::string error = status_.errorText();
      if (!error.empty()) env_.prompter().showMessage(error, PromptIcon::kWarning);
      status_text_ = "Error";
      break;
    }
    case WorkerState::kFinished:
      endRun();
      status_text_ = "Finished";
      progress_position_ = progress_maximum_;
      break;
    case WorkerState::kStopped:
      endRun();
      status_text_ = "Upload stopped by user";
      break;
  }
  if (close_requested_) closed_ = true;
  reinitialise();
  notifyChanged();
}

void PublishModel::endRun() {
  worker_.join();
  go_text_ = "&Go";
  upload_all_text_ = "&Upload All";
  controls_enabled_ = true;
}

void PublishModel::reinitialise() {
  order_server_files_.removeUnused(env_.home(), settings_.siteFolder);
  web_files_.removeUnused(env_.home(), settings_.siteFolder);
  status_.reset();
}

}  // namespace quorvex
