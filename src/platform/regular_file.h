#ifndef QUORVEX_PLATFORM_REGULAR_FILE_H_
#define QUORVEX_PLATFORM_REGULAR_FILE_H_

#include <cstddef>
#include <filesystem>
#include <string>

#include "platform/status.h"

namespace quorvex {

// Reads the whole content of the file `path` into `*bytes`. Only a regular
// file (or a link to one) is read: a folder, a pipe or a device is refused
// before anything is read, so that a wrong path can neither block nor feed
// bytes without end. A file of more than `limit` bytes is refused too, and
// reading stops there should it grow meanwhile.
//
// On failure `*bytes` is empty and the status names the file and says what
// is wrong with it.
Status readRegularFile(const std::filesystem::path& path, size_t limit, std::string* bytes);

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_REGULAR_FILE_H_
