#include "app/update_check.h"

#include "app/clock.h"
#include "app/vendor_addresses.h"
#include "platform/prompter.h"
#include "platform/settings_store.h"

namespace quorvex {

UpdateCheck::UpdateCheck(SettingsStore& settings, Prompter& prompter, const Clock& clock)
    : settings_(settings), prompter_(prompter), clock_(clock) {}

void UpdateCheck::run(PublishedVersionSource& source, const VersionRecord& installed) {
  const std::string today = clock_.today();
  if (settings_.getInt(kSection, "Enabled", 1) == 0) return;
  if (settings_.getString(kSection, "Last Check", "") == today) return;
  std::optional<std::string> published = source.publishedVersion();
  // A store that cannot be written only makes the check and the notice come
  // again at the next start.
  (void)settings_.setString(kSection, "Last Check", today);
  if (!published || parseVersionRecord(*published) <= installed) return;
  if (settings_.getString(kSection, "Last Announced", "") == *published) return;
  (void)settings_.setString(kSection, "Last Announced", *published);
  prompter_.showMessage("A newer version of Quorvex (" + *published +
                            ") is available.\nPlease visit " + kHelpDownloadPage +
                            " to download it.",
                        PromptIcon::kInformation);
}

}  // namespace quorvex
