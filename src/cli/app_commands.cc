// The commands that run the application's document steps: rename a company,
// back it up and restore it.

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <system_error>
#include <utility>

#include "app/backups.h"
#include "app/clock.h"
#include "app/company_name.h"
#include "app/dialog_host.h"
#include "app/document_lifecycle.h"
#include "cli/cli_command.h"
#include "company/brenquil_doc.h"
#include "platform/settings_store.h"
#include "platform/text_encoding.h"

namespace quorvex::cli {
namespace {

namespace fs = std::filesystem;

// The command line has no dialogs: the only file it chooses is the extra
// backup copy given with --copy-to, and a modified document is never left
// open for a save question.
class CliDialogHost : public DialogHost {
 public:
  explicit CliDialogHost(std::optional<fs::path> extraCopy) : extraCopy_(std::move(extraCopy)) {}

  DialogResult runDialog(DialogModel&) override { return DialogResult::kCancel; }
  std::optional<fs::path> chooseFile(const FileDialogRequest&) override { return extraCopy_; }
  SaveChangesAnswer askSaveChanges(const std::string&) override { return SaveChangesAnswer::kNo; }

 private:
  std::optional<fs::path> extraCopy_;
};

// The settings of one command: the command line leaves the desktop
// program's recent-file list as it is.
class CommandSettings : public SettingsStore {
 public:
  std::string getString(const std::string& section, const std::string& key,
                        const std::string& fallback) override {
    auto found = values_.find({section, key});
    return found == values_.end() ? fallback : found->second;
  }
  int getInt(const std::string& section, const std::string& key, int fallback) override {
    std::string text = getString(section, key, "");
    return text.empty() ? fallback : std::atoi(text.c_str());
  }
  Status setString(const std::string& section, const std::string& key,
                   const std::string& value) override {
    values_[{section, key}] = value;
    return Status::success();
  }
  Status setInt(const std::string& section, const std::string& key, int value) override {
    return setString(section, key, std::to_string(value));
  }

 private:
  std::map<std::pair<std::string, std::string>, std::string> values_;
};

// The document named on the command line, open in a lifecycle.
class OpenDocument {
 public:
  explicit OpenDocument(const Env& env, std::optional<fs::path> extraCopy = std::nullopt)
      : env_(env.home(), env.prompter(), &settings_, &env.ftp()),
        doc_(env_),
        host_(std::move(extraCopy)),
        lifecycle_(doc_, env_, host_, clock_) {}

  // Opens `file`; false after the reason was shown.
  bool open(const std::string& file) { return lifecycle_.open(file); }
  DocumentLifecycle& lifecycle() { return lifecycle_; }

 private:
  CommandSettings settings_;
  Env env_;
  CBrenquilDoc doc_;
  CliDialogHost host_;
  SystemClock clock_;
  DocumentLifecycle lifecycle_;
};

int runRename(CliContext& context) {
  if (context.args.size() != 2) return usageError(context, "expected DOC.qvx and NAME");
  std::optional<std::string> name = utf8ToCp1252(context.args[1]);
  if (!name) return failure("the company name holds characters a document cannot store");
  Status check = checkCompanyName(*name);
  if (!check.ok()) return failure(check.message());
  OpenDocument document(context.env);
  if (!document.open(context.args[0])) return kExitFailure;
  if (!document.lifecycle().renameAndSave(*name)) return kExitFailure;
  return reportChange(context, "Renamed the company to " + *name + "; its document is now " +
                                   document.lifecycle().path().string() + ".");
}

int runBackup(CliContext& context) {
  std::string file;
  std::optional<fs::path> extraCopy;
  for (size_t i = 0; i < context.args.size(); ++i) {
    if (context.args[i] == "--copy-to" && i + 1 < context.args.size()) {
      std::error_code error;
      fs::path target = context.args[++i];
      fs::path absolute = fs::absolute(target, error);
      extraCopy = error ? target : absolute;
    } else if (file.empty() && context.args[i][0] != '-') {
      file = context.args[i];
    } else {
      return usageError(context, "unexpected argument " + context.args[i]);
    }
  }
  if (file.empty()) return usageError(context, "missing DOC.qvx");
  OpenDocument document(context.env, extraCopy);
  if (!document.open(file)) return kExitFailure;
  if (!Backups(document.lifecycle()).saveBackup()) return kExitFailure;
  return reportChange(context, "Saved a backup of " + file + ".");
}

int runRestore(CliContext& context) {
  if (context.args.size() != 1) return usageError(context, "expected one DOC.qvx");
  OpenDocument document(context.env);
  if (!document.open(context.args[0])) return kExitFailure;
  if (!Backups(document.lifecycle()).restoreFromBackup()) return kExitFailure;
  return reportChange(context, "Restored " + context.args[0] + " from its backup.");
}

}  // namespace

void addAppCommands(std::vector<CliCommand>& commands) {
  commands.push_back(
      {"rename", "DOC.qvx NAME", "Rename a company and move its files along.",
       "NAME becomes the company name. When it differs from the old one, the site folder\n"
       "<home>/<old name> becomes <home>/NAME, the document moves to <home>/NAME.qvx\n"
       "(also when it was kept elsewhere), an in-program product file follows the site\n"
       "folder and the copyright line names the new company; every home page gets NAME\n"
       "as its header. The document is then saved at its new place.\n",
       runRename});
  commands.push_back(
      {"backup", "DOC.qvx [--copy-to FILE]", "Save a backup of a company.",
       "Saves the document, then copies it to <home>/Backups/<file name> and the product\n"
       "file to <home>/Backups/<company>/Pricelist.txt. The question about an extra copy\n"
       "is answered by --yes, --no or --answers; on yes the document is also copied to\n"
       "FILE.\n",
       runBackup});
  commands.push_back(
      {"restore", "DOC.qvx", "Restore a company from its backup.",
       "Replaces <home>/<company>.qvx and <home>/<company>/Pricelist.txt by their copies\n"
       "in <home>/Backups, keeping the replaced files as <company>.old and\n"
       "<company>/Pricelist.old. The questions are answered by --yes, --no or --answers.\n",
       runRestore});
}

}  // namespace quorvex::cli
