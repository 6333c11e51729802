#ifndef QUORVEX_PLATFORM_WORKER_STATUS_H_
#define QUORVEX_PLATFORM_WORKER_STATUS_H_

#include <mutex>
#include <string>

namespace quorvex {

// Where a long run on a worker thread stands. The numbers are those the front
// ends have always used for it.
enum class WorkerState : int {
  kRunning = -1,
  kFailed = 0,
  kFinished = 1,
  kStopped = 2,
  // Still running, but waiting for the user to answer a question about the
  // error text.
  kAsking = 3,
};

// The only data a worker shares with the front end that started it: its state,
// a progress text, an error text, a stop flag and a counter of items handled.
// Each value has its own lock, and no method ever holds two locks at once, so
// neither side can block the other for longer than one copy of a value.
//
// Thread-safe; not copyable.
class WorkerStatus {
 public:
  WorkerStatus() = default;
  WorkerStatus(const WorkerStatus&) = delete;
  WorkerStatus& operator=(const WorkerStatus&) = delete;

  // Puts every value back to its start: running, both texts empty, no stop
  // requested, counter 0.
  void reset();

  WorkerState state() const;
  void setState(WorkerState state);

  std::string progressText() const;
  void setProgressText(std::string text);

  std::string errorText() const;
  void setErrorText(std::string text);

  // Returns true once the front end has asked the worker to stop.
  bool stopRequested() const;
  void requestStop();

  // Returns the number of items the worker has handled.
  int counter() const;
  void incrementCounter();

 private:
  mutable std::mutex state_mutex_;
  WorkerState state_ = WorkerState::kRunning;
  mutable std::mutex progress_mutex_;
  std::string progress_text_;
  mutable std::mutex error_mutex_;
  std::string error_text_;
  mutable std::mutex stop_mutex_;
  bool stop_requested_ = false;
  mutable std::mutex counter_mutex_;
  int counter_ = 0;
};

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_WORKER_STATUS_H_
