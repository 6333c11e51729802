#ifndef QUORVEX_GENERATOR_FILE_COPY_H_
#define QUORVEX_GENERATOR_FILE_COPY_H_

#include <filesystem>
#include <system_error>

namespace quorvex {

// Copies the file `from` to `to`, replacing an existing `to` when
// `overwrite` is set (otherwise an existing `to` is an error). Copying a file
// onto itself, or onto a file that already has its content, changes nothing
// and succeeds. A replacement is copied beside `to` and renamed over it, so
// a failed copy leaves the old `to` whole. Returns the error, or an empty
// error_code on success.
std::error_code copyFile(const std::filesystem::path& from, const std::filesystem::path& to,
                         bool overwrite);

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_FILE_COPY_H_
