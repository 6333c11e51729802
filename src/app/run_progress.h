#ifndef QUORVEX_APP_RUN_PROGRESS_H_
#define QUORVEX_APP_RUN_PROGRESS_H_

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "generator/save_site_run.h"
#include "platform/worker_status.h"
#include "publish/sales_log_download.h"

namespace quorvex {

class CBrenquilDoc;
class Env;

// The rules of the progress dialog behind the two runs that a small modal
// window follows: the save-site run ("Saving Web Site Locally", which the
// user may stop) and the sales-log download ("Download Sales Logs", which
// cannot be cancelled). A view shows title() and text(), shows the Cancel
// button when cancelVisible(), forwards Cancel, Esc and the window's close
// request to cancel(), calls start() once when it is shown and poll() every
// 10 ms until closed().
//
// The worker shares only the status block with the model. Messages of the
// model are shown through the prompter on the calling thread; the worker
// shows its own. The document and the environment must outlive the model.
class RunProgress {
 public:
  enum class Mode { kSaveSite, kSalesLog };

  // The save-site run of `doc` with `options`.
  static std::unique_ptr<RunProgress> saveSite(CBrenquilDoc& doc, const Env& env,
                                               SaveSiteOptions options);
  // The sales-log download described by `settings`.
  static std::unique_ptr<RunProgress> salesLogDownload(SalesLogSettings settings,
                                                       const Env& env);

  // Stops a run that is still going and waits for its worker.
  ~RunProgress();
  RunProgress(const RunProgress&) = delete;
  RunProgress& operator=(const RunProgress&) = delete;

  Mode mode() const { return mode_; }
  const std::string& title() const { return title_; }
  // The one line of text the dialog shows.
  const std::string& text() const { return text_; }
  bool cancelVisible() const { return mode_ == Mode::kSaveSite; }
  // The help page F1 shows: the build choice's for a save-site run, the
  // program's main page for a download, which has none of its own.
  std::string helpTopic() const;

  // Starts the worker. Call once.
  void start();
  // The timer: shows the worker's progress; at its end shows a failure's
  // error text (exclamation icon) and closes the dialog.
  void poll();
  // Cancel: a running save-site run is asked to stop (once) and the dialog
  // stays open until it has; a running download cannot be cancelled and
  // says so; an ended run closes the dialog.
  void cancel();

  // True once the dialog is to be closed.
  bool closed() const { return closed_; }
  // True when the run finished successfully.
  bool succeeded() const { return succeeded_; }
  // For a download that succeeded, false when the server had no new entries.
  bool appendedEntries() const { return status_.counter() > 0; }
  // The index page of the built site; empty before a save-site run set up
  // its folder, and for a download.
  const std::filesystem::path& indexPage() const { return index_page_; }

 private:
  // `work` runs on the worker thread and leaves its end in the block.
  RunProgress(Mode mode, const Env& env, std::function<void(WorkerStatus&)> work);
  void end(std::string text, bool succeeded);

  Mode mode_;
  const Env& env_;
  std::function<void(WorkerStatus&)> work_;
  WorkerStatus status_;
  std::thread worker_;
  std::string title_;
  std::string text_;
  std::filesystem::path index_page_;
  bool closed_ = false;
  bool succeeded_ = false;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_RUN_PROGRESS_H_
