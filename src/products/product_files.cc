#include "products/product_files.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>

#include "platform/huge_pages.h"
#include "platform/paths.h"

namespace quorvex {

namespace fs = std::filesystem;

std::optional<fs::path> siteFolder(const Env& env, std::string_view companyName) {
  return joinInside(env.home(), companyName);
}

std::optional<fs::path> priceListPath(const Env& env, std::string_view companyName) {
  std::optional<fs::path> folder = siteFolder(env, companyName);
  if (!folder) return std::nullopt;
  if (std::optional<fs::path> found = findCaseInsensitive(*folder, kPriceListName)) return found;
  return *folder / std::string(kPriceListName);
}


FileReadResult readWholeFile(const fs::path& file, std::string* bytes, std::string* error) {
  bytes->clear();
  std::error_code status_error;
  const fs::file_status status = fs::status(file, status_error);
  // A path that cannot be looked at (a link loop, a folder without access)
  // is a failure; only a missing one is an absence.
  if (status_error && status_error != std::errc::no_such_file_or_directory &&
      status_error != std::errc::not_a_directory) {
    *error = status_error.message();
    return FileReadResult::kFailed;
  }
  if (!fs::is_regular_file(status)) return FileReadResult::kNotOpened;
  std::unique_ptr<FILE, int (*)(FILE*)> in(std::fopen(file.c_str(), "rb"), &std::fclose);
  if (!in) {
    *error = std::generic_category().message(errno);
    return FileReadResult::kFailed;
  }
  std::error_code size_error;
  const uintmax_t expected = fs::file_size(file, size_error);
  if (!size_error) {
    bytes->reserve(static_cast<size_t>(expected));
    adviseHugePages(bytes->data(), bytes->capacity());
  }
  char buffer[1 << 16];
  while (true) {
    const size_t got = std::fread(buffer, 1, sizeof buffer, in.get());
    bytes->append(buffer, got);
    if (got < sizeof buffer) break;
  }
  if (std::ferror(in.get())) {
    *error = std::generic_category().message(errno);
    bytes->clear();
    return FileReadResult::kFailed;
  }
  return FileReadResult::kRead;
}

std::string fileErrorMessage(std::string_view systemText) {
  return "FILE ERROR: " + std::string(systemText);
}

}  // namespace quorvex
