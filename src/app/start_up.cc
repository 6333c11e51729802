#include "app/start_up.h"

#include <string>
#include <system_error>

#include "app/app_version.h"
#include "app/document_lifecycle.h"
#include "app/update_check.h"
#include "company/brenquil_doc.h"
#include "platform/env.h"
#include "platform/home.h"
#include "platform/home_folders.h"
#include "platform/paths.h"

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
    // A store that cannot be written offers the sample again next time.
    (void)settings.setInt(kSection, kFirstRunKey, 0);
    std::error_code error;
    if (!fs::is_regular_file(sample, error)) return;
    if (env.prompter().askYesNo("This is the first time you have run Quorvex,\n"
                                "would you like to see a sample company setup?")) {
      (void)lifecycle_.open(installSample(sample));  // a failure has been shown
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

fs::path StartUp::installSample(const fs::path& sample) {
  const Env& env = lifecycle_.env();
  std::error_code error;
  if (fs::equivalent(sample.parent_path(), env.home(), error)) return sample;
  CBrenquilDoc probe(env);
  // A sample that cannot be read is opened where it is, so that the open
  // reports why.
  if (!probe.open(sample).ok()) return sample;
  const std::string& company = probe.m_strCompanyName;
  std::optional<fs::path> copy = joinInside(env.home(), company + ".qvx");
  std::optional<fs::path> siteFolder = joinInside(env.home(), company);
  if (company.empty() || !copy || !siteFolder) return sample;
  if (!fs::exists(*copy, error)) fs::copy_file(sample, *copy, error);
  if (error) {
    env.prompter().showMessage("Cannot copy the sample company to " + copy->string() + ": " +
                               error.message());
    return sample;
  }
  const fs::path sampleFolder = sample.parent_path() / company;
  if (!fs::exists(*siteFolder, error) && fs::is_directory(sampleFolder, error)) {
    fs::copy(sampleFolder, *siteFolder, fs::copy_options::recursive, error);
    if (error) {
      env.prompter().showMessage("Cannot copy the sample company's folder to " +
                                 siteFolder->string() + ": " + error.message());
    }
  }
  return *copy;
}

void StartUp::reopenLast(bool fileOnCommandLine) {
  if (fileOnCommandLine) return;
  std::string last = lifecycle_.recentFiles().entry(0);
  if (!last.empty()) (void)lifecycle_.open(last);  // a failure has been shown
}

}  // namespace quorvex
