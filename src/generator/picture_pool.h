#ifndef QUORVEX_GENERATOR_PICTURE_POOL_H_
#define QUORVEX_GENERATOR_PICTURE_POOL_H_

#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

namespace quorvex {

class WorkerStatus;

// Converts the pictures of a save-site run on every core ahead of the run.
//
// The run announces the conversions it is about to make (start), in the
// order it will make them; a thread per core (std::thread::hardware_
// concurrency, at least one) loads, resizes and saves each into a temporary
// file beside its target. When the run reaches a picture it takes the
// result (take), waiting for it or converting it on its own thread when no
// worker has begun it, and puts the file in place itself. Files, messages
// and their order are therefore those of a run that converts each picture
// where it meets it; only the work moves to other cores.
//
// Workers stop taking jobs once the status block asks the run to stop. The
// destructor waits for the workers and removes the temporary files of
// results never taken. start() and take() are called from the run's thread
// only; the status block must outlive the pool.
class PicturePool {
 public:
  // One conversion: `source` loaded through the image canvas, resized to
  // width × height when width is above 0, saved at `jpegQuality` in the
  // format of `target`'s extension.
  struct Job {
    std::filesystem::path source;
    std::filesystem::path target;
    int width = 0;
    int height = 0;
    int jpegQuality = 0;

    bool operator==(const Job&) const = default;
  };

  enum class Outcome {
    kSaved,
    // The source did not load as a picture; nothing was saved.
    kNotAPicture,
    // The picture loaded but could not be saved.
    kNotSaved,
  };

  // A finished job: how it ended and, when saved, the temporary file that
  // holds the picture (the caller moves or removes it).
  struct Result {
    Outcome outcome = Outcome::kNotSaved;
    std::filesystem::path file;
  };

  explicit PicturePool(const WorkerStatus& status) : status_(status) {}
  PicturePool(const PicturePool&) = delete;
  PicturePool& operator=(const PicturePool&) = delete;
  ~PicturePool();

  // Starts the workers on `jobs` (distinct targets; a repeated target keeps
  // its first job). Call once.
  void start(std::vector<Job> jobs);

  // The result of the job equal to `job`, once; nullopt when no such job
  // was started, it was taken before, or it was not begun before a stop
  // request (the caller then converts the picture itself).
  std::optional<Result> take(const Job& job);

 private:
  enum class State { kPending, kRunning, kDone, kSkipped };
  struct Slot {
    Job job;
    State state = State::kPending;
    bool taken = false;
    Result result;
  };

  // Claims slot `index` when it is still pending; true when claimed.
  bool claim(size_t index);
  // Converts the job of a claimed slot and publishes its result.
  void convert(size_t index);
  void work();

  const WorkerStatus& status_;
  std::vector<Slot> slots_;
  std::unordered_map<std::string, size_t> slotOfTarget_;
  std::atomic<size_t> next_{0};
  std::atomic<bool> closing_{false};
  // Guards every slot's state and result.
  std::mutex mutex_;
  std::condition_variable finished_;
  std::vector<std::thread> workers_;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_PICTURE_POOL_H_
