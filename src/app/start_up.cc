#include "app/start_up.h"

#include <string>
#include <system_error>

#include "app/app_version.h"
#include "app/document_lifecycle.h"
#include "app/update_check.h"
#include "platform/env.h"
#include "platform/home.h"
#include "platform/home_folders.h"

namespace quorvex {

namespace fs = std::filesystem;

fs::path StartUp::defaultSamplePath() { return installedDataDir() / kSampleFolder / "acme.qvx"; }

StartUp::StartUp(DocumentLifecycle& lifecycle, const Clock& clock, PublishedVersionSource* versions)
    : lifecycle_(lifecycle), clock_(clock), versions_(versions) {}

bool StartUp::openCommandLine(const std::optional<fs::path>& file) {
  return !file || lifecycle_.open(*file);
}

void StartUp::offerSampleOrReopen(const fs::path& sample, bool fileOnCommandLine) {
  const Env& env = lifecycle_.env();
  SettingsStore& settings = env.settings();
  if (settings.getInt(kSection, kFirstRunKey, 1) != 0) {
    settings.setInt(kSection, kFirstRunKey, 0);
    std::error_code error;
    if (!fs::is_regular_file(sample, error)) return;
    if (env.prompter().askYesNo("This is the first time you have run Quorvex,\n"
                                "would you like to see a sample company setup?")) {
      lifecycle_.open(sample);
      return;
    }
    reopenLast(fileOnCommandLine);
    return;
  }
  if (versions_ != nullptr) {
    UpdateCheck(settings, env.prompter(), clock_).run(*versions_, programVersion());
  }
  reopenLast(fileOnCommandLine);
}

void StartUp::reopenLast(bool fileOnCommandLine) {
  if (fileOnCommandLine) return;
  std::string last = lifecycle_.recentFiles().entry(0);
  if (!last.empty()) lifecycle_.open(last);
}

}  // namespace quorvex
