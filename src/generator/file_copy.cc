#include "generator/file_copy.h"

#include "generator/file_replacement.h"

namespace quorvex {

namespace fs = std::filesystem;

std::error_code copyFile(const fs::path& from, const fs::path& to, bool overwrite) {
  std::error_code error;
  const bool targetExists = fs::exists(to, error);
  if (targetExists && fs::equivalent(from, to, error)) return {};
  error.clear();
  if (!targetExists || !overwrite) {
    fs::copy_file(from, to, fs::copy_options::none, error);
    return error;
  }
  if (sameContent(from, to)) return {};
  const fs::path temporary = temporarySibling(to, "qvx-copy");
  fs::copy_file(from, temporary, fs::copy_options::overwrite_existing, error);
  if (!error) fs::rename(temporary, to, error);
  if (error) {
    std::error_code ignored;  // the copy's or rename's error is the one to report
    fs::remove(temporary, ignored);
  }
  return error;
}

}  // namespace quorvex
