#ifndef QUORVEX_CLI_DOCUMENT_SESSION_H_
#define QUORVEX_CLI_DOCUMENT_SESSION_H_

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "app/app_services.h"
#include "app/clock.h"
#include "app/document_lifecycle.h"
#include "app/headless_front_end.h"
#include "app/step_model.h"
#include "company/brenquil_doc.h"
#include "platform/env.h"
#include "platform/settings_store.h"

namespace quorvex::cli {

// The settings of one command: kept in memory, so the command line leaves
// the desktop program's recent-file list as it is. The order server's host,
// which a command may set, is read and written through `user`, the user's
// own store, which must outlive this one.
class CommandSettings : public SettingsStore {
 public:
  explicit CommandSettings(SettingsStore& user) : user_(user) {}

  std::string getString(const std::string& section, const std::string& key,
                        const std::string& fallback) override;
  int getInt(const std::string& section, const std::string& key, int fallback) override;
  Status setString(const std::string& section, const std::string& key,
                   const std::string& value) override;
  Status setInt(const std::string& section, const std::string& key, int value) override;

 private:
  SettingsStore& user_;
  std::map<std::pair<std::string, std::string>, std::string> values_;
};

// The document named on the command line, open in a lifecycle with the
// application's services around it, so that the steps' models can change it.
class DocumentSession {
 public:
  explicit DocumentSession(const Env& env);
  DocumentSession(const DocumentSession&) = delete;
  DocumentSession& operator=(const DocumentSession&) = delete;

  // Opens `file`; false after the reason was shown.
  [[nodiscard]] bool open(const std::string& file) { return lifecycle_.open(file); }
  // Saves the document where it was opened; false after the reason was shown.
  [[nodiscard]] bool save() { return lifecycle_.save(); }

  // Ends a step changed by a command: when every dialog it opened took what
  // it was given and its own OK accepts, stores it back, runs its follow-up
  // and saves the document. False after the reason was shown.
  [[nodiscard]] bool applyAndSave(StepModel& step);

  CBrenquilDoc& doc() { return doc_; }
  DocumentLifecycle& lifecycle() { return lifecycle_; }
  HeadlessFrontEnd& frontEnd() { return frontEnd_; }
  AppServices& app() { return app_; }

 private:
  CommandSettings settings_;
  Env env_;
  CBrenquilDoc doc_;
  HeadlessFrontEnd frontEnd_;
  SystemClock clock_;
  DocumentLifecycle lifecycle_;
  AppServices app_;
};

}  // namespace quorvex::cli

#endif  // QUORVEX_CLI_DOCUMENT_SESSION_H_
