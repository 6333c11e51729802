// The command that generates a company's site: the save-site run on a worker
// thread, with its progress on stderr.

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <mutex>
#include <thread>

#include "cli/cli_command.h"
#include "document/brenquil_doc.h"
#include "generator/save_site_worker.h"
#include "platform/paths.h"
#include "platform/text_encoding.h"

extern char** environ;

namespace quorvex::cli {
namespace {

namespace fs = std::filesystem;

// The exit status of a build stopped with Ctrl-C, as shells report an
// interrupted command.
constexpr int kExitStopped = 130;

std::atomic<bool> interrupted{false};

void onInterrupt(int) { interrupted = true; }

// Shows the run's progress on stderr: on a terminal one line redrawn in place
// (a turning bar and the progress text), otherwise each new progress text on
// a line of its own. Messages of the run go through it, so that they start on
// a line of their own.
class ProgressLine : public Prompter {
 public:
  explicit ProgressLine(Prompter& messages)
      : messages_(messages), terminal_(::isatty(::fileno(stderr)) != 0) {}

  void show(const std::string& progress) {
    std::lock_guard<std::mutex> lock(mutex_);
    // On a terminal the bar turns every tenth call (every 100 ms of polling).
    const bool same = progress == shown_;
    if (progress.empty() || (same && (!terminal_ || ++calls_ % 10 != 0))) return;
    shown_ = progress;
    std::string text = cp1252ToUtf8(progress);
    if (!terminal_) {
      std::fprintf(stderr, "%s\n", text.c_str());
      return;
    }
    static constexpr char kTurns[] = "|/-\\";
    if (text.size() > 70) text.resize(70);
    std::fprintf(stderr, "\r\033[K[%c] %s", kTurns[turn_++ % 4], text.c_str());
    drawn_ = true;
  }

  void finish() {
    std::lock_guard<std::mutex> lock(mutex_);
    clearLine();
  }

  void showMessage(const std::string& text, PromptIcon icon) override {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      clearLine();
    }
    messages_.showMessage(text, icon);
  }

  bool askYesNo(const std::string& text) override {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      clearLine();
    }
    return messages_.askYesNo(text);
  }

 private:
  void clearLine() {
    if (drawn_) std::fprintf(stderr, "\r\033[K");
    drawn_ = false;
  }

  Prompter& messages_;
  const bool terminal_;
  std::mutex mutex_;
  std::string shown_;
  unsigned turn_ = 0;
  unsigned calls_ = 0;
  bool drawn_ = false;
};

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

int runBuild(CliContext& context) {
  std::string file;
  bool view = false;
  for (const std::string& arg : context.args) {
    if (arg == "--view") {
      view = true;
    } else if (file.empty() && !arg.starts_with("-")) {
      file = arg;
    } else {
      return usageError(context, "unexpected argument " + arg);
    }
  }
  if (file.empty()) return usageError(context, "missing DOC.qvx");

  ProgressLine progress(context.env.prompter());
  Env env(context.env.home(), progress, &context.env.settings(), &context.env.ftp(),
          &context.env.fonts());
  CBrenquilDoc doc(env);
  Status opened = doc.open(file);
  if (!opened.ok()) return failure(opened.message());
  if (doc.m_strCompanyName.empty()) return failure("The company has no name yet.");

  SaveSiteOptions options;
  options.viewAfterSaving = view;
  options.version = QUORVEX_VERSION;
  options.openInBrowser = openInBrowser;
  interrupted = false;
  auto previous = std::signal(SIGINT, onInterrupt);
  SaveSiteWorker worker(doc, env, options);
  worker.start();
  WorkerStatus& status = worker.status();
  bool stopping = false;
  while (status.state() == WorkerState::kRunning) {
    if (interrupted && !stopping) {
      stopping = true;
      status.requestStop();
      progress.show("Stopping save site.  Please, wait.");
    } else if (!stopping) {
      progress.show(status.progressText());
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  worker.wait();
  std::signal(SIGINT, previous);
  progress.finish();

  switch (status.state()) {
    case WorkerState::kFinished: {
      Status saved = doc.save(doc.path());
      if (!saved.ok()) return failure(saved.message());
      std::printf("%s\n", worker.indexPage().string().c_str());
      return kExitSuccess;
    }
    case WorkerState::kStopped:
      std::fprintf(stderr, "Saving site stopped by user\n");
      return kExitStopped;
    default:
      return failure(status.errorText().empty() ? "Error" : status.errorText());
  }
}

}  // namespace

void addBuildCommands(std::vector<CliCommand>& commands) {
  commands.push_back(
      {"build", "DOC.qvx [--view]", "Generate a company's site into its site folder.",
       "Saves the web site locally: loads the site and style templates, reads the product\n"
       "rows, writes every page, picture and order file into the site folder\n"
       "(<home>/<company>/), and brings the document's published-file lists up to date,\n"
       "removing files the site no longer has. Template, picture and file problems are\n"
       "reported and the build goes on. On success the document is saved and the index\n"
       "page's path printed; --view also opens it in the browser.\n"
       "Progress goes to stderr: a redrawn line on a terminal, else one line per step.\n"
       "Ctrl-C stops the build at its next stop point (exit status 130); a failed build\n"
       "prints its error and exits with 1. An add-on site needs its existing site's\n"
       "location first (set-site --location).\n",
       runBuild});
}

}  // namespace quorvex::cli
