#include "generator/save_site_worker.h"

#include <exception>

namespace quorvex {

SaveSiteWorker::SaveSiteWorker(CBrenquilDoc& doc, const Env& env, SaveSiteOptions options)
    : run_(doc, env, status_, std::move(options)) {}

SaveSiteWorker::~SaveSiteWorker() { wait(); }

void SaveSiteWorker::start() {
  status_.reset();
  thread_ = std::thread([this] {
    // Nothing may leave the worker thread: an unexpected exception (such as
    // running out of memory) ends the run as failed.
    try {
      run_.run();
    } catch (const std::exception& error) {
      status_.setErrorText(error.what());
      status_.setState(WorkerState::kFailed);
    }
  });
}

void SaveSiteWorker::wait() {
  if (thread_.joinable()) thread_.join();
}

}  // namespace quorvex
