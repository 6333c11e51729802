#include "generator/picture_pool.h"

#include <algorithm>

#include "generator/file_replacement.h"
#include "imaging/image_canvas.h"
#include "platform/worker_status.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

PicturePool::Result runJob(const PicturePool::Job& job) {
  CImageCanvas canvas(job.source);
  if (canvas.width() < 1 || canvas.height() < 1) return {PicturePool::Outcome::kNotAPicture, {}};
  if (job.width > 0) canvas.setSize(job.width, job.height);
  canvas.setJpegQuality(job.jpegQuality);
  canvas.render();
  const fs::path file = temporarySibling(job.target, "qvx-pool");
  if (canvas.save(file)) return {PicturePool::Outcome::kSaved, file};
  std::error_code ignored;  // a part written before the failure; the outcome tells it
  fs::remove(file, ignored);
  return {PicturePool::Outcome::kNotSaved, {}};
}

}  // namespace

PicturePool::~PicturePool() {
  closing_ = true;
  for (std::thread& worker : workers_) worker.join();
  for (const Slot& slot : slots_) {
    if (slot.state == State::kDone && !slot.taken && slot.result.outcome == Outcome::kSaved) {
      std::error_code ignored;  // a left-over temporary is hidden and harmless
      fs::remove(slot.result.file, ignored);
    }
  }
}

void PicturePool::start(std::vector<Job> jobs) {
  for (Job& job : jobs) {
    if (slotOfTarget_.try_emplace(job.target.string(), slots_.size()).second) {
      slots_.push_back(Slot{std::move(job), State::kPending, false, Result{}});
    }
  }
  if (slots_.empty()) return;
  const size_t threads =
      std::min<size_t>(std::max(1u, std::thread::hardware_concurrency()), slots_.size());
  for (size_t i = 0; i < threads; ++i) workers_.emplace_back([this] { work(); });
}

bool PicturePool::claim(size_t index) {
  std::lock_guard lock(mutex_);
  if (slots_[index].state != State::kPending) return false;
  slots_[index].state = State::kRunning;
  return true;
}

void PicturePool::convert(size_t index) {
  Result result = runJob(slots_[index].job);
  std::lock_guard lock(mutex_);
  slots_[index].result = std::move(result);
  slots_[index].state = State::kDone;
  finished_.notify_all();
}

void PicturePool::work() {
  for (size_t index; (index = next_++) < slots_.size();) {
    if (closing_ || status_.stopRequested()) {
      std::lock_guard lock(mutex_);
      for (Slot& slot : slots_) {
        if (slot.state == State::kPending) slot.state = State::kSkipped;
      }
      finished_.notify_all();
      return;
    }
    if (claim(index)) convert(index);
  }
}

std::optional<PicturePool::Result> PicturePool::take(const Job& job) {
  auto found = slotOfTarget_.find(job.target.string());
  if (found == slotOfTarget_.end()) return std::nullopt;
  const size_t index = found->second;
  if (slots_[index].job != job) return std::nullopt;
  // Not begun by a worker: converted here rather than waited for, unless the
  // run is stopping (the caller then decides).
  if (claim(index)) {
    if (status_.stopRequested()) {
      std::lock_guard lock(mutex_);
      slots_[index].state = State::kSkipped;
      return std::nullopt;
    }
    convert(index);
  }
  std::unique_lock lock(mutex_);
  Slot& slot = slots_[index];
  finished_.wait(lock, [&] { return slot.state == State::kDone || slot.state == State::kSkipped; });
  if (slot.state == State::kSkipped || slot.taken) return std::nullopt;
  slot.taken = true;
  return slot.result;
}

}  // namespace quorvex
