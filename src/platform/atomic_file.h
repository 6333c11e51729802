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

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_ATOMIC_FILE_H_
