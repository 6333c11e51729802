#ifndef QUORVEX_APP_RECENT_FILES_H_
#define QUORVEX_APP_RECENT_FILES_H_

#include <filesystem>
#include <string>
#include <vector>

namespace quorvex {

class SettingsStore;

// The four most recently opened or saved documents, kept in the per-user
// settings under the section "Recent File List", keys "File1" (most recent)
// to "File4". The store must outlive this object.
class RecentFiles {
 public:
  static constexpr int kSize = 4;
  static constexpr const char* kSection = "Recent File List";

  explicit RecentFiles(SettingsStore& settings);

  // Returns entry `index` (0 is "File1"); "" for an empty entry or an index
  // outside 0 to kSize - 1.
  std::string entry(int index) const;

  // Returns the non-empty entries, most recent first.
  std::vector<std::string> entries() const;

  // Puts `file` (made absolute) at the top, removing an equal entry further
  // down and dropping the oldest beyond kSize. A failed write of the store is
  // ignored: the list is a convenience.
  void add(const std::filesystem::path& file);

 private:
  static std::string keyOf(int index);

  SettingsStore& settings_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_RECENT_FILES_H_
