#include "app/backups.h"

#include <optional>
#include <string>
#include <system_error>

#include "app/dialog_host.h"
#include "app/document_lifecycle.h"
#include "company/brenquil_doc.h"
#include "platform/env.h"
#include "platform/home_folders.h"
#include "platform/paths.h"
#include "products/product_files.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

constexpr const char* kKeptProductFileName = "Pricelist.old";

// The entry of `folder` named `name` without regard to case, or `name` in
// `folder` when there is none: the file to read, or the one to replace.
// Nullopt when `name` would not name an entry inside `folder` (a title
// such as ".." or ".").
std::optional<fs::path> entryOf(const fs::path& folder, const std::string& name) {
  std::optional<fs::path> inside = joinInside(folder, name);
  if (!inside || name == ".") return std::nullopt;
  return findCaseInsensitive(folder, name).value_or(*inside);
}

// The existing file of `folder` named `name` without regard to case.
std::optional<fs::path> existingFile(const fs::path& folder, const std::string& name) {
  std::optional<fs::path> file = entryOf(folder, name);
  std::error_code error;
  if (file && !fs::is_regular_file(*file, error)) return std::nullopt;
  return file;
}

// Copies `from` over `to`; a failure names both files.
Status copyReplacing(const fs::path& from, const fs::path& to) {
  std::error_code error;
  fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
  if (!error) return Status::success();
  return Status::ioError("Copying " + from.string() + " to " + to.string() +
                         " failed: " + error.message());
}

// Creates `folder` when missing; a failure names it.
Status makeFolder(const fs::path& folder) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (!error) return Status::success();
  return Status::ioError("The folder " + folder.string() +
                         " could not be made: " + error.message());
}

constexpr const char* kBackupFailed = "The backup could not be made.\n";
constexpr const char* kRestoreFailed = "The restore could not be completed.\n";

}  // namespace

Backups::Backups(DocumentLifecycle& lifecycle) : lifecycle_(lifecycle) {}

fs::path Backups::backupsFolder() const { return *entryOf(lifecycle_.env().home(), kBackupsFolder); }

bool Backups::saveBackup() {
  Prompter& prompter = lifecycle_.env().prompter();
  const bool saved = lifecycle_.save();
  if (lifecycle_.path().empty()) {
    prompter.showMessage(
        "You have not yet saved your project.\nPlease, save before attempting to save a backup.");
    return false;
  }
  if (!saved) return false;  // the failure has been shown; an old file is no backup

  Status copied = copyIntoBackups();
  if (!copied.ok()) {
    prompter.showMessage(kBackupFailed + copied.message(), PromptIcon::kWarning);
    return false;
  }

  if (prompter.askYesNo("Quorvex has made a backup copy of your settings and database.\n"
                        "Would you like to save an extra copy of your settings to a specific "
                        "place?")) {
    offerExtraCopy();
  }
  return true;
}

Status Backups::copyIntoBackups() {
  const fs::path home = lifecycle_.env().home();
  const std::string& title = lifecycle_.title();
  const fs::path backups = backupsFolder();
  Status status = makeFolder(backups);
  std::optional<fs::path> siteFolder = entryOf(home, title);
  std::optional<fs::path> backupFolder = entryOf(backups, title);
  if (status.ok() && siteFolder && backupFolder) {
    status = makeFolder(*backupFolder);
    std::optional<fs::path> productFile = existingFile(*siteFolder, std::string(kBackupPriceListName));
    if (status.ok() && productFile) {
      status = copyReplacing(*productFile, *entryOf(*backupFolder, std::string(kBackupPriceListName)));
    }
  }
  const fs::path& document = lifecycle_.path();
  std::optional<fs::path> copy = entryOf(backups, document.filename().string());
  if (status.ok() && copy) status = copyReplacing(document, *copy);
  return status;
}

void Backups::offerExtraCopy() {
  const fs::path& document = lifecycle_.path();
  FileDialogRequest request;
  request.save = true;
  request.title = "Save a Backup";
  request.folder = document.parent_path();
  request.fileName = lifecycle_.document().m_strCompanyName + "_backup.qvx";
  request.filters = {{"Quorvex Files (*.qvx)", "*.qvx"}, {"All Files (*.*)", "*.*"}};
  request.defaultExtension = DocumentLifecycle::kExtension;
  request.confirmOverwrite = true;
  std::optional<fs::path> target = lifecycle_.host().chooseFile(request);
  if (!target) return;
  std::error_code error;
  if (fs::equivalent(document, request.folder / *target, error)) return;
  Status copied = copyReplacing(document, request.folder / *target);
  if (!copied.ok()) {
    lifecycle_.env().prompter().showMessage(copied.message(), PromptIcon::kWarning);
  }
}

Status Backups::restoreSettings(const fs::path& backup, const fs::path& document,
                                const std::string& title) {
  lifecycle_.setModified(false);
  std::error_code error;
  const bool hasDocument = fs::is_regular_file(document, error);
  if (!lifecycle_.open(backup)) {
    // The backup is damaged: keep the company's own document and stop. (A
    // document that fails to open has shown why.)
    if (hasDocument) (void)lifecycle_.open(document);
    return Status::corruption(backup.string() + " cannot be read, so nothing was replaced.");
  }
  Status status = Status::success();
  if (hasDocument) {
    status = copyReplacing(document, *entryOf(lifecycle_.env().home(), title + ".old"));
  }
  if (status.ok()) status = copyReplacing(backup, document);
  // The company's document under its usual path: the restored one, or the
  // kept one when the restore failed. (A failed open has shown why.)
  if (fs::is_regular_file(document, error)) (void)lifecycle_.open(document);
  return status;
}

Status Backups::restoreDatabase(const fs::path& backup, const fs::path& siteFolder) {
  Status status = makeFolder(siteFolder);
  if (!status.ok()) return status;
  const fs::path productFile = *entryOf(siteFolder, std::string(kBackupPriceListName));
  std::error_code error;
  if (fs::is_regular_file(productFile, error)) {
    status = copyReplacing(productFile, *entryOf(siteFolder, kKeptProductFileName));
    if (!status.ok()) return status;
  }
  return copyReplacing(backup, productFile);
}

bool Backups::restoreFromBackup() {
  Prompter& prompter = lifecycle_.env().prompter();
  const fs::path home = lifecycle_.env().home();
  const std::string title = lifecycle_.title();
  const std::string documentName = title + DocumentLifecycle::kExtension;
  const fs::path backups = backupsFolder();
  const std::optional<fs::path> document = entryOf(home, documentName);
  const std::optional<fs::path> siteFolder = entryOf(home, title);
  std::optional<fs::path> settingsBackup;
  std::optional<fs::path> databaseBackup;
  if (document) settingsBackup = existingFile(backups, documentName);
  if (std::optional<fs::path> backupFolder = entryOf(backups, title)) {
    databaseBackup = existingFile(*backupFolder, std::string(kBackupPriceListName));
  }

  if (!settingsBackup && !databaseBackup) {
    prompter.showMessage("Sorry, no backup could be found for this company.");
    return false;
  }
  if (!settingsBackup &&
      !prompter.askYesNo("Your Quorvex settings file could not be found.\n"
                         "Would you like to continue loading your Quorvex database?")) {
    return false;
  }
  if (!databaseBackup &&
      !prompter.askYesNo("Your Quorvex database could not be found.\n"
                         "Would you like to continue loading your Quorvex settings?")) {
    return false;
  }
  if (!prompter.askYesNo("Are you sure you want to restore from backup?") ||
      !prompter.askYesNo("WARNING: Restoring from backup will overwrite any changes you have "
                         "made since the last backup was saved.\n"
                         "Are you sure you want to continue?")) {
    return false;
  }

  Status status = Status::success();
  if (settingsBackup) status = restoreSettings(*settingsBackup, *document, title);
  if (status.ok() && databaseBackup) status = restoreDatabase(*databaseBackup, *siteFolder);
  if (!status.ok()) {
    prompter.showMessage(kRestoreFailed + status.message(), PromptIcon::kWarning);
    return false;
  }
  prompter.showMessage("Restore completed successfully.");
  return true;
}

}  // namespace quorvex
