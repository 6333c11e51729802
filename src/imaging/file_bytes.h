#ifndef QUORVEX_IMAGING_FILE_BYTES_H_
#define QUORVEX_IMAGING_FILE_BYTES_H_

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace quorvex {

// The whole content of the file `path`; nullopt when it cannot be read.
std::optional<std::string> readFileBytes(const std::filesystem::path& path);

// Replaces the file `path` by `bytes`; false when it cannot be written.
[[nodiscard]] bool writeFileBytes(const std::filesystem::path& path, std::string_view bytes);

}  // namespace quorvex

#endif  // QUORVEX_IMAGING_FILE_BYTES_H_
