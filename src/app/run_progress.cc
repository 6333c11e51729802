#include "app/run_progress.h"

#include <exception>
#include <utility>

#include "app/dialog_model.h"
#include "app/help_commands.h"
#include "platform/env.h"

namespace quorvex {

namespace {

constexpr char kStoppingText[] = "Stopping save site.  Please, wait.";

}  // namespace

std::unique_ptr<RunProgress> RunProgress::saveSite(CBrenquilDoc& doc, const Env& env,
                                                   SaveSiteOptions options) {
  std::unique_ptr<RunProgress> progress;
  // The work writes the index page into the model it belongs to; the model
  // outlives its worker (the destructor joins it).
  progress.reset(new RunProgress(Mode::kSaveSite, env, nullptr));
  RunProgress* self = progress.get();
  progress->work_ = [self, &doc, &env, options = std::move(options)](WorkerStatus& status) {
    SaveSiteRun run(doc, env, status, options);
    run.run();
    self->index_page_ = run.indexPage();
  };
  return progress;
}

std::unique_ptr<RunProgress> RunProgress::salesLogDownload(SalesLogSettings settings,
                                                           const Env& env) {
  auto work = [settings = std::move(settings), &env](WorkerStatus& status) {
    SalesLogDownload(settings, env, status).run();
  };
  return std::unique_ptr<RunProgress>(new RunProgress(Mode::kSalesLog, env, std::move(work)));
}

RunProgress::RunProgress(Mode mode, const Env& env, std::function<void(WorkerStatus&)> work)
    : mode_(mode),
      env_(env),
      work_(std::move(work)),
      title_(mode == Mode::kSaveSite ? "Saving Web Site Locally" : "Download Sales Logs"),
      text_(mode == Mode::kSaveSite ? "Saving web site locally..." : "Downloading Sales Logs...") {}

RunProgress::~RunProgress() {
  if (worker_.joinable()) {
    status_.requestStop();
    worker_.join();
  }
}

std::string RunProgress::helpTopic() const {
  return mode_ == Mode::kSaveSite ? helpTopicOf("Save Web Site Locally")
                                  : HelpCommands::kMainTopic;
}

void RunProgress::start() {
  status_.reset();
  worker_ = std::thread([this] {
    // Nothing may leave the worker thread: an unexpected exception (such as
    // running out of memory) ends the run as failed.
    try {
      work_(status_);
    } catch (const std::exception& error) {
      status_.setErrorText(error.what());
      status_.setState(WorkerState::kFailed);
    }
  });
}

void RunProgress::poll() {
  if (closed_ || !worker_.joinable()) return;
  switch (status_.state()) {
    case WorkerState::kRunning:
    case WorkerState::kAsking:
      if (!status_.stopRequested()) {
        std::string progress = status_.progressText();
        if (!progress.empty()) text_ = std::move(progress);
      }
      return;
    case WorkerState::kFailed: {
      worker_.join();
      text_ = "Error";
      std::string error = status_.errorText();
      if (!error.empty()) env_.prompter().showMessage(error, PromptIcon::kWarning);
      end("Error", false);
      return;
    }
    case WorkerState::kFinished:
      end("Finished", true);
      return;
    case WorkerState::kStopped:
      end("Saving site stopped by user", false);
      return;
  }
}

void RunProgress::end(std::string text, bool succeeded) {
  if (worker_.joinable()) worker_.join();
  text_ = std::move(text);
  succeeded_ = succeeded;
  closed_ = true;
}

void RunProgress::cancel() {
  const bool running = worker_.joinable();
  if (!running) {
    closed_ = true;
  } else if (mode_ == Mode::kSalesLog) {
    env_.prompter().showMessage("Please, wait for the log to be downloaded.");
  } else if (!status_.stopRequested()) {
    status_.requestStop();
    text_ = kStoppingText;
  }
}

}  // namespace quorvex
