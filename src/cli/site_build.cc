#include "cli/site_build.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>

#include "app/build_blocker.h"
#include "cli/cli_command.h"
#include "generator/save_site_worker.h"

namespace quorvex::cli {
namespace {

std::atomic<bool> interrupted{false};

void onInterrupt(int) { interrupted = true; }

}  // namespace

SiteBuild::SiteBuild(const Env& env)
    : progress_(env.prompter()),
      env_(env.home(), progress_, &env.settings(), &env.ftp(), &env.fonts()),
      doc_(env_) {}

int SiteBuild::open(const std::string& file) {
  Status opened = doc_.open(file);
  if (!opened.ok()) return failure(opened.message());
  if (std::optional<BuildBlocker> blocker = findBuildBlocker(doc_)) {
    return failure(blocker->message);
  }
  return kExitSuccess;
}

int SiteBuild::build() {
  SaveSiteOptions options;
  options.version = QUORVEX_VERSION;
  interrupted = false;
  auto previous = std::signal(SIGINT, onInterrupt);
  SaveSiteWorker worker(doc_, env_, options);
  worker.start();
  WorkerStatus& status = worker.status();
  bool stopping = false;
  while (status.state() == WorkerState::kRunning) {
    if (interrupted && !stopping) {
      stopping = true;
      status.requestStop();
      progress_.show("Stopping save site.  Please, wait.");
    } else if (!stopping) {
      progress_.show(status.progressText());
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  worker.wait();
  std::signal(SIGINT, previous);
  progress_.finish();
  indexPage_ = worker.indexPage();

  switch (status.state()) {
    case WorkerState::kFinished: {
      Status saved = doc_.save(doc_.path());
      return saved.ok() ? kExitSuccess : failure(saved.message());
    }
    case WorkerState::kStopped:
      std::fprintf(stderr, "Saving site stopped by user\n");
      return kExitStopped;
    default:
      return failure(status.errorText().empty() ? "Error" : status.errorText());
  }
}

}  // namespace quorvex::cli
