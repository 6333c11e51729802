#include "platform/home.h"

#include <cstdlib>
#include <system_error>

namespace quorvex {

namespace fs = std::filesystem;

static std::optional<std::string> environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return std::nullopt;
  return std::string(value);
}

fs::path resolveHome(const std::optional<std::string>& home_flag) {
  if (home_flag) return fs::path(*home_flag);
  if (auto home = environment("QUORVEX_HOME")) return fs::path(*home);
  if (auto data = environment("XDG_DATA_HOME")) return fs::path(*data) / "quorvex";
  fs::path user_home = environment("HOME").value_or(".");
  return user_home / ".local" / "share" / "quorvex";
}

fs::path installedDataDir() {
  if (auto dir = environment("QUORVEX_DATA_DIR")) return fs::path(*dir);
  // An installed program finds its data beside it: <prefix>/bin/quorvex and
  // <prefix>/share/quorvex.
  std::error_code ec;
  const fs::path program = fs::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    const fs::path installed = program.parent_path().parent_path() / "share" / "quorvex";
    if (fs::is_directory(installed, ec)) return installed;
  }
  return fs::path(QUORVEX_DATA_DIR);
}

Status seedHome(const fs::path& home, const fs::path& data_dir) {
  std::error_code ec;
  fs::create_directories(home, ec);
  if (ec) return Status::ioError("Cannot create the folder " + home.string() + ": " + ec.message());
  fs::directory_iterator it(data_dir, ec);
  if (ec)
    return Status::ioError("Cannot read the folder " + data_dir.string() + ": " + ec.message());
  for (const fs::directory_entry& entry : it) {
    fs::path destination = home / entry.path().filename();
    if (fs::exists(destination, ec)) continue;
    fs::copy(entry.path(), destination, fs::copy_options::recursive, ec);
    if (ec) {
      return Status::ioError("Cannot copy " + entry.path().string() + " to " +
                             destination.string() + ": " + ec.message());
    }
  }
  return Status::success();
}

}  // namespace quorvex
