#include "orderd/sweep_schedule.h"

namespace quorvex {

bool SweepSchedule::due(const std::string& folder) {
  const auto now = std::chrono::steady_clock::now();
  std::lock_guard<std::mutex> lock(mutex_);
  auto [last, first] = lastSweeps_.try_emplace(folder, now);
  if (!first && now - last->second < interval_) return false;
  last->second = now;
  return true;
}

}  // namespace quorvex
