#include "generator/file_copy.h"

namespace quorvex {

namespace fs = std::filesystem;

std::error_code copyFile(const fs::path& from, const fs::path& to, bool overwrite) {
  std::error_code error;
  if (fs::exists(to, error) && fs::equivalent(from, to, error)) return {};
  error.clear();
  fs::copy_file(from, to, overwrite ? fs::copy_options::overwrite_existing : fs::copy_options::none,
                error);
  return error;
}

}  // namespace quorvex
