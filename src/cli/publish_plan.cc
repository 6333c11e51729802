#include "cli/publish_plan.h"

#include <algorithm>

namespace quorvex::cli {

PublishPlan PublishPlan::of(const std::vector<const CFileList*>& lists,
                            const std::filesystem::path& home, bool all) {
  PublishPlan plan;
  for (const CFileList* list : lists) {
    for (const CFileEntry& entry : list->entries) {
      const std::string name = entry.remotePath();
      if (entry.isToDelete()) {
        plan.remove.push_back(name);
      } else if (entry.inUse != 0 && (all || entry.isChanged(home))) {
        plan.upload.push_back(name);
      } else if (entry.inUse != 0) {
        plan.unchanged.push_back(name);
      }
    }
  }
  return plan;
}

std::vector<std::string> PublishPlan::done(const std::vector<std::string>& planned,
                                           const std::vector<std::string>& failed) {
  std::vector<std::string> result;
  for (const std::string& name : planned) {
    if (std::find(failed.begin(), failed.end(), name) == failed.end()) result.push_back(name);
  }
  return result;
}

}  // namespace quorvex::cli
