#ifndef QUORVEX_GENERATOR_FILE_REPLACEMENT_H_
#define QUORVEX_GENERATOR_FILE_REPLACEMENT_H_

#include <filesystem>
#include <string_view>
#include <system_error>

namespace quorvex {

// How the save-site run puts a file into the site folder. A rebuild leaves a
// file whose content did not change untouched (no write, same inode and
// modification time), which keeps a rebuild after a small change cheap. A
// new file is written in place; a file that replaces an existing one is
// written beside it first and renamed over it, so that a write that fails
// half-way (full disk, killed program) leaves the old file whole rather than
// a truncated page that a later run would take for its output.

// True when `file` can be read and its content is exactly `bytes`.
bool fileHolds(const std::filesystem::path& file, std::string_view bytes);

// True when both files can be read and have the same content.
bool sameContent(const std::filesystem::path& first, const std::filesystem::path& second);

// The temporary file beside `target` through which a replacement of it is
// written: "." + `purpose` + "-" + its name in the same folder (so it keeps
// the extension that names a picture's format). Distinct purposes give
// distinct names, so two writers of one target never share one.
std::filesystem::path temporarySibling(const std::filesystem::path& target,
                                       std::string_view purpose);

// Puts the finished file `temporary` in place as `target`: when `target`
// already has the same content, `temporary` is removed and `target` stays
// untouched; otherwise `temporary` is renamed over it. Returns the error, or
// an empty error_code on success (`temporary` is removed on failure too).
std::error_code moveIntoPlace(const std::filesystem::path& temporary,
                              const std::filesystem::path& target);

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_FILE_REPLACEMENT_H_
