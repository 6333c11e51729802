#ifndef QUORVEX_ORDERD_SWEEP_SCHEDULE_H_
#define QUORVEX_ORDERD_SWEEP_SCHEDULE_H_

#include <chrono>
#include <mutex>
#include <string>
#include <unordered_map>

namespace quorvex {

// Says when a folder of records is due to be looked through for old ones:
// the first time it is asked about, then at most once per interval, so that
// a busy shop does not read all its records for every order. Safe to use
// from several threads at once.
class SweepSchedule {
 public:
  explicit SweepSchedule(std::chrono::steady_clock::duration interval) : interval_(interval) {}
  SweepSchedule(const SweepSchedule&) = delete;
  SweepSchedule& operator=(const SweepSchedule&) = delete;

  // True when `folder` was not swept within the interval; the caller then
  // sweeps it, and the interval starts anew.
  bool due(const std::string& folder);

 private:
  const std::chrono::steady_clock::duration interval_;
  std::mutex mutex_;
  // When each folder was last swept, under mutex_.
  std::unordered_map<std::string, std::chrono::steady_clock::time_point> lastSweeps_;
};

}  // namespace quorvex

#endif  // QUORVEX_ORDERD_SWEEP_SCHEDULE_H_
