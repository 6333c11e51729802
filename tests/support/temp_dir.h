#ifndef QUORVEX_TESTS_SUPPORT_TEMP_DIR_H_
#define QUORVEX_TESTS_SUPPORT_TEMP_DIR_H_

#include <filesystem>
#include <string>
#include <string_view>

namespace quorvex::testing {

// A fresh folder under the system's temporary folder, removed with its
// content when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // Writes `content` to the file `relative` below the folder, making folders.
  std::filesystem::path write(const std::string& relative, std::string_view content) const;

 private:
  std::filesystem::path path_;
};

// The whole content of a file; empty when it cannot be read.
std::string readFile(const std::filesystem::path& file);

}  // namespace quorvex::testing

#endif  // QUORVEX_TESTS_SUPPORT_TEMP_DIR_H_
