#ifndef QUORVEX_APP_BACKUPS_H_
#define QUORVEX_APP_BACKUPS_H_

#include <filesystem>
#include <string>

#include "platform/status.h"

namespace quorvex {

class DocumentLifecycle;

// Save Backup and Restore From Backup. The backups lie in the folder
// "Backups" of the program folder: the document file as
// Backups/<file name of the document's path>, the product file as
// Backups/<title>/Pricelist.txt. Names in these folders and in the site
// folder match without regard to case (the product table writes
// "PriceList.txt"). A copy that fails ends the command with a message that
// names the files; nothing is reported as done that was not.
class Backups {
 public:
  // `lifecycle` must outlive this object.
  explicit Backups(DocumentLifecycle& lifecycle);

  // Saves the document, copies it and the product file into Backups/, then
  // offers to copy the document file to a place of the user's choosing.
  // Without a path after the save, only says that the project must be saved
  // first; when the save fails, stops after its message. When a copy fails,
  // shows "The backup could not be made.\n" and why. Returns true when the
  // backup copies were made.
  [[nodiscard]] bool saveBackup();

  // Replaces the document <home>/<title>.qvx and the product file
  // <home>/<title>/Pricelist.txt by their backups, keeping the replaced
  // files as <title>.old and <title>/Pricelist.old, after the user agreed;
  // the restored document is then the open one. A settings backup that
  // cannot be read stops the restore before anything is replaced; so does a
  // file that cannot be kept. A failure is shown as "The restore could not
  // be completed.\n" and why. Returns true when the restore completed.
  [[nodiscard]] bool restoreFromBackup();

 private:
  std::filesystem::path backupsFolder() const;
  // Copies the product file and the document file into Backups/.
  Status copyIntoBackups();
  void offerExtraCopy();
  // Opens the settings backup to check it, keeps the document file as
  // <title>.old, copies the backup over it and opens it. The company's
  // document is open again afterwards, the restored one or, after a
  // failure, the kept one.
  Status restoreSettings(const std::filesystem::path& backup,
                         const std::filesystem::path& document, const std::string& title);
  // Keeps the product file as Pricelist.old and copies the backup over it.
  Status restoreDatabase(const std::filesystem::path& backup,
                         const std::filesystem::path& siteFolder);

  DocumentLifecycle& lifecycle_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_BACKUPS_H_
