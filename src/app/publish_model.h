#ifndef QUORVEX_APP_PUBLISH_MODEL_H_
#define QUORVEX_APP_PUBLISH_MODEL_H_

#include <string>
#include <thread>

#include "app/dialog_model.h"
#include "platform/env.h"
#include "platform/worker_status.h"
#include "publish/file_list.h"
#include "publish/upload_settings.h"

namespace quorvex {

// The rules of the dialog "Publish Web Site To Internet", without widgets: a
// view shows introText(), the two buttons' texts, the status text and the
// progress bar, forwards the buttons to go(), uploadAll() and Close
// (accept()), and calls poll() every 10 ms while timerActive(). Every change
// of the texts, the progress or the state notifies the listeners, poll()
// only when it saw something new.
//
// go() starts the upload run (UploadRun) on a worker thread; the model and
// the worker share only the status block. Messages are shown through the
// environment's prompter on the calling thread; the worker asks its own
// questions. After the dialog has closed, the caller saves the document so
// that the recorded upload checksums persist.
class PublishModel : public DialogModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // Opening the dialog drops the unused entries of both lists that are not on
  // a server. The lists and the environment must outlive the model, and are
  // not to be touched by anyone else while a run is going on.
  PublishModel(UploadSettings settings, CFileList& webFiles, CFileList& orderServerFiles,
               const Env& env);
  // Stops a run that is still going and waits for its worker.
  ~PublishModel();
  PublishModel(const PublishModel&) = delete;
  PublishModel& operator=(const PublishModel&) = delete;

  static const char* introText();

  // "&GO": starts uploading what changed; during a run, asks it to stop.
  void go();
  // "&Upload All": marks every current file of both lists as not uploaded,
  // then goes.
  void uploadAll();
  // Close: when idle, the dialog closes (returns true). During a run the run
  // is asked to stop and the dialog closes when it has (see closed()).
  bool accept() override;
  // The timer: reads the status block and updates the texts; ends the run
  // when the worker has.
  void poll();

  // True from go() starting a run until poll() has seen its end.
  bool timerActive() const { return worker_.joinable(); }
  // True once the dialog is to be closed.
  bool closed() const { return closed_; }

  const std::string& goButtonText() const { return go_text_; }
  const std::string& uploadAllButtonText() const { return upload_all_text_; }
  const std::string& statusText() const { return status_text_; }
  // The progress bar runs from 0 to progressMaximum().
  int progressMaximum() const { return progress_maximum_; }
  int progressPosition() const { return progress_position_; }
  // Whether "&Upload All", Close and the window's Close item can be used.
  bool controlsEnabled() const { return controls_enabled_; }

 private:
  // Asks a running worker to stop; `closing` closes the dialog when it has.
  void requestStop(bool closing);
  // Waits for the worker, enables the controls and prepares the next run.
  void endRun();
  // Drops the unused entries of both lists and clears the status block.
  void reinitialise();

  UploadSettings settings_;
  CFileList& web_files_;
  CFileList& order_server_files_;
  const Env& env_;
  WorkerStatus status_;
  std::thread worker_;

  std::string go_text_ = "&GO";
  std::string upload_all_text_ = "&Upload All";
  std::string status_text_;
  int progress_maximum_ = 0;
  int progress_position_ = 0;
  bool controls_enabled_ = true;
  bool close_requested_ = false;
  bool closed_ = false;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_PUBLISH_MODEL_H_
