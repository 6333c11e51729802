#ifndef QUORVEX_APP_UPDATE_CHECK_H_
#define QUORVEX_APP_UPDATE_CHECK_H_

#include <optional>
#include <string>

#include "app/app_version.h"

namespace quorvex {

class Clock;
class Prompter;
class SettingsStore;

// Where the version the vendor publishes is found.
class PublishedVersionSource {
 public:
  virtual ~PublishedVersionSource() = default;

  // The published version as dotted numbers ("4.3.0"); nullopt when it
  // cannot be had (no connection).
  virtual std::optional<std::string> publishedVersion() = 0;
};

// The start-up check for a newer version. It only informs the user. Its
// values live in the per-user settings, section "Update Check": "Enabled"
// (1, or 0 to switch the check off), "Last Check" (the date of the last
// check, so that it runs at most once a day) and "Last Announced" (the last
// version the user was told about, so that each is announced once).
class UpdateCheck {
 public:
  static constexpr const char* kSection = "Update Check";

  // The store, prompter and clock must outlive the check.
  UpdateCheck(SettingsStore& settings, Prompter& prompter, const Clock& clock);

  // When enabled and not yet run today: asks `source` for the published
  // version, records today, and tells the user when that version is newer
  // than `installed` and has not been announced before.
  void run(PublishedVersionSource& source, const VersionRecord& installed);

 private:
  SettingsStore& settings_;
  Prompter& prompter_;
  const Clock& clock_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_UPDATE_CHECK_H_
