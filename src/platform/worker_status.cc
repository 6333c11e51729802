#include "platform/worker_status.h"

#include <utility>

namespace quorvex {

void WorkerStatus::reset() {
  setState(WorkerState::kRunning);
  setProgressText("");
  setErrorText("");
  {
    std::lock_guard<std::mutex> lock(stop_mutex_);
    stop_requested_ = false;
  }
  std::lock_guard<std::mutex> lock(counter_mutex_);
  counter_ = 0;
}

WorkerState WorkerStatus::state() const {
  std::lock_guard<std::mutex> lock(state_mutex_);
  return state_;
}

void WorkerStatus::setState(WorkerState state) {
  std::lock_guard<std::mutex> lock(state_mutex_);
  state_ = state;
}

std::string WorkerStatus::progressText() const {
  std::lock_guard<std::mutex> lock(progress_mutex_);
  return progress_text_;
}

void WorkerStatus::setProgressText(std::string text) {
  std::lock_guard<std::mutex> lock(progress_mutex_);
  progress_text_ = std::move(text);
}

std::string WorkerStatus::errorText() const {
  std::lock_guard<std::mutex> lock(error_mutex_);
  return error_text_;
}

void WorkerStatus::setErrorText(std::string text) {
  std::lock_guard<std::mutex> lock(error_mutex_);
  error_text_ = std::move(text);
}

bool WorkerStatus::stopRequested() const {
  std::lock_guard<std::mutex> lock(stop_mutex_);
  return stop_requested_;
}

void WorkerStatus::requestStop() {
  std::lock_guard<std::mutex> lock(stop_mutex_);
  stop_requested_ = true;
}

int WorkerStatus::counter() const {
  std::lock_guard<std::mutex> lock(counter_mutex_);
  return counter_;
}

void WorkerStatus::incrementCounter() {
  std::lock_guard<std::mutex> lock(counter_mutex_);
  ++counter_;
}

}  // namespace quorvex
