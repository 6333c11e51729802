#ifndef QUORVEX_APP_BACKUPS_H_
#define QUORVEX_APP_BACKUPS_H_

#include <filesystem>
#include <string>

namespace quorvex {

class DocumentLifecycle;

// Save Backup and Restore From Backup. The backups lie in the folder
// "Backups" of the program folder: the document file as
// Backups/<file name of the document's path>, the product file as
// Backups/<title>/Pricelist.txt. Names in these folders and in the site
// folder match without regard to case (the product table writes
// "PriceList.txt"). A copy that fails is skipped and the command goes on.
class Backups {
 public:
  // `lifecycle` must outlive this object.
  explicit Backups(DocumentLifecycle& lifecycle);

  // Saves the document, copies it and the product file into Backups/, then
  // offers to copy the document file to a place of the user's choosing.
  // Without a path after the save, only says that the project must be saved
  // first; when the save fails, stops after its message. Returns true when
  // the backup copies were made.
  bool saveBackup();

  // Replaces the document <home>/<title>.qvx and the product file
  // <home>/<title>/Pricelist.txt by their backups, keeping the replaced
  // files as <title>.old and <title>/Pricelist.old, after the user agreed;
  // the restored document is then the open one. A settings backup that
  // cannot be read stops the restore before anything is replaced. Returns
  // true when the restore completed.
  bool restoreFromBackup();

 private:
  std::filesystem::path backupsFolder() const;
  void offerExtraCopy();
  // Opens the settings backup to check it, keeps the document file as
  // <title>.old, copies the backup over it and opens it. Returns false, with
  // the company's document open again, when the backup cannot be read.
  bool restoreSettings(const std::filesystem::path& backup, const std::filesystem::path& document,
                       const std::string& title);
  // Keeps the product file as Pricelist.old and copies the backup over it.
  void restoreDatabase(const std::filesystem::path& backup,
                       const std::filesystem::path& siteFolder);

  DocumentLifecycle& lifecycle_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_BACKUPS_H_
