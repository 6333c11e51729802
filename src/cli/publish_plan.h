#ifndef QUORVEX_CLI_PUBLISH_PLAN_H_
#define QUORVEX_CLI_PUBLISH_PLAN_H_

#include <filesystem>
#include <string>
#include <vector>

#include "publish/file_list.h"

namespace quorvex::cli {

// What a publish run has to do with the files of published-file lists, each
// named "remoteFolder/remoteName" (the name alone in the start folder).
struct PublishPlan {
  std::vector<std::string> upload;
  std::vector<std::string> remove;
  std::vector<std::string> unchanged;

  // The plan of `lists` before a run: the files in use that changed since
  // their last upload (every file in use with `all`), those the site no
  // longer has but the server does, and the rest in use.
  static PublishPlan of(const std::vector<const CFileList*>& lists,
                        const std::filesystem::path& home, bool all);

  // The files of `planned` that are not among `failed`.
  static std::vector<std::string> done(const std::vector<std::string>& planned,
                                       const std::vector<std::string>& failed);
};

}  // namespace quorvex::cli

#endif  // QUORVEX_CLI_PUBLISH_PLAN_H_
