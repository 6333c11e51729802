#ifndef QUORVEX_PLATFORM_ATOMIC_FILE_H_
#define QUORVEX_PLATFORM_ATOMIC_FILE_H_

#include <filesystem>
#include <string_view>

#include "platform/status.h"

namespace quorvex {

// Replaces the content of `target` with `bytes` so that an interruption at any
// moment leaves either the old or the new file complete: the bytes go to a
// temporary file in the same folder, are flushed to disk, and the temporary
// file is then renamed over `target`.
//
// A `target` that is a symbolic link is saved through it: the file it leads
// to is replaced and the link stays. An existing target keeps its
// permissions; one that may not be written (read-only) is refused with a
// message and left as it is. Temporary files that an interrupted earlier
// replacement of `target` left beside it are removed.
Status replaceFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// The same replacement for content written in pieces, so that a large file
// never has to be held whole: open(), append() as often as needed, commit().
// A writer destroyed before commit() removes its temporary file and leaves
// the target as it was.
class AtomicFileWriter {
 public:
  AtomicFileWriter() = default;
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;
  ~AtomicFileWriter();

  // Starts the replacement of `target` (see replaceFileAtomically() for
  // links, permissions and left-over temporaries).
  [[nodiscard]] Status open(const std::filesystem::path& target);

  // Adds `bytes` to the new content.
  [[nodiscard]] Status append(std::string_view bytes);

  // Flushes the new content to disk and renames it over the target. After a
  // failure the target is as it was.
  [[nodiscard]] Status commit();

 private:
  int fd_ = -1;
  std::filesystem::path target_;
  std::filesystem::path temp_;
  std::filesystem::path dir_;
  unsigned mode_ = 0;
};

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_ATOMIC_FILE_H_
