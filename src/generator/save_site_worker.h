#ifndef QUORVEX_GENERATOR_SAVE_SITE_WORKER_H_
#define QUORVEX_GENERATOR_SAVE_SITE_WORKER_H_

#include <filesystem>
#include <thread>

#include "generator/save_site_run.h"
#include "platform/worker_status.h"

namespace quorvex {

// Runs a save-site run on a worker thread. The front end that starts it
// shares only the status block with it: it polls the state and the progress
// text, reads the error text at the end and may request a stop, which takes
// effect at the run's next stop point. While the worker runs the front end
// leaves the document, the template folders and the site folder alone.
//
// The document and the environment must outlive the worker. Destroying the
// worker waits for the run to end. Not copyable.
class SaveSiteWorker {
 public:
  SaveSiteWorker(CBrenquilDoc& doc, const Env& env, SaveSiteOptions options);
  ~SaveSiteWorker();
  SaveSiteWorker(const SaveSiteWorker&) = delete;
  SaveSiteWorker& operator=(const SaveSiteWorker&) = delete;

  // Resets the status block to running and starts the run. Call once.
  void start();

  // The block shared with the run; thread-safe.
  WorkerStatus& status() { return status_; }

  // Waits until the run has ended.
  void wait();

  // The site's index page; valid once the run has ended (SaveSiteRun).
  std::filesystem::path indexPage() const { return run_.indexPage(); }

 private:
  WorkerStatus status_;
  SaveSiteRun run_;
  std::thread thread_;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_SAVE_SITE_WORKER_H_
