#include "cli/site_build.h"

#include <spawn.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>

#include "app/build_blocker.h"
#include "cli/cli_command.h"
#include "generator/save_site_worker.h"

extern char** environ;

namespace quorvex::cli {
namespace {

namespace fs = std::filesystem;

std::atomic<bool> interrupted{false};

void onInterrupt(int) { interrupted = true; }

// Opens `page` with the desktop's default handler (xdg-open) without waiting
// for it; prints the page when there is none.
void openInBrowser(const fs::path& page) {
  std::string file = page.string();
  char* argv[] = {const_cast<char*>("xdg-open"), file.data(), nullptr};
  pid_t child = 0;
  if (::posix_spawnp(&child, "xdg-open", nullptr, nullptr, argv, environ) != 0) {
    std::fprintf(stderr, "Open %s in your browser.\n", file.c_str());
  }
}

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

int SiteBuild::build(bool view) {
  SaveSiteOptions options;
  options.viewAfterSaving = view;
  options.version = QUORVEX_VERSION;
  options.openInBrowser = openInBrowser;
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
