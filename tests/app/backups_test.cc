#include "app/backups.h"

#include "app/app_fixture.h"
#include "app/command_ids.h"

namespace quorvex::testing {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

const char* const kExtraCopyQuestion =
    "Quorvex has made a backup copy of your settings and database.\n"
    "Would you like to save an extra copy of your settings to a specific place?";
const char* const kSureQuestion = "Are you sure you want to restore from backup?";
const char* const kWarningQuestion =
    "WARNING: Restoring from backup will overwrite any changes you have made since the last "
    "backup was saved.\nAre you sure you want to continue?";

class BackupsTest : public AppFixture {
 protected:
  // Opens a company Acme saved as <home>/Acme.qvx with a product file
  // spelled "PriceList.txt".
  void openAcme() {
    saveCompany("Acme");
    writeHomeFile("Acme/PriceList.txt", "current rows");
    ASSERT_TRUE(lifecycle_.open(home() / "Acme.qvx"));
  }

  Backups backups_{lifecycle_};
};

TEST_F(BackupsTest, BackupNeedsASavedDocument) {
  doc_.m_strCompanyName = "Acme";
  EXPECT_FALSE(backups_.saveBackup());  // the Save As dialog is cancelled
  EXPECT_EQ(prompter_.texts(), Texts{"You have not yet saved your project.\nPlease, save before "
                                     "attempting to save a backup."});
  EXPECT_FALSE(fs::exists(home() / "Backups" / "Acme.qvx"));
}

TEST_F(BackupsTest, BackupCopiesTheDocumentByFileNameAndTheProductsByTitle) {
  doc_.m_strCompanyName = "Acme";
  writeHomeFile("Acme/PriceList.txt", "rows");
  writeHomeFile("Backups/Acme/PRICELIST.TXT", "old backup");
  frontEnd_.queueFiles({home() / "acme-2024.qvx"});
  ASSERT_TRUE(lifecycle_.saveAs());

  prompter_.queueAnswers({true});
  TempDir elsewhere;
  frontEnd_.queueFiles({elsewhere.path() / "extra.qvx"});
  dispatcher_.run(kCmdSaveBackup);
  EXPECT_EQ(readFile(home() / "Backups" / "acme-2024.qvx"), readFile(home() / "acme-2024.qvx"));
  EXPECT_EQ(readFile(home() / "Backups" / "Acme" / "PRICELIST.TXT"), "rows")
      << "the older copy is replaced, whatever its case";
  EXPECT_EQ(prompter_.texts(), Texts{kExtraCopyQuestion});
  const FileDialogRequest& request = frontEnd_.fileRequests.back();
  EXPECT_EQ(request.title, "Save a Backup");
  EXPECT_EQ(request.fileName, "Acme_backup.qvx");
  EXPECT_EQ(request.folder, home());
  EXPECT_EQ(request.filters.size(), 2u);
  EXPECT_TRUE(request.confirmOverwrite);
  EXPECT_EQ(readFile(elsewhere.path() / "extra.qvx"), readFile(home() / "acme-2024.qvx"));
}

TEST_F(BackupsTest, RestoreWithoutAnyBackupSaysSo) {
  openAcme();
  EXPECT_FALSE(backups_.restoreFromBackup());
  EXPECT_EQ(prompter_.texts(), Texts{"Sorry, no backup could be found for this company."});
}

TEST_F(BackupsTest, RestoreReplacesBothFilesKeepingTheOldOnes) {
  openAcme();
  doc_.m_pContact->url = "backed-up.example";
  ASSERT_TRUE(lifecycle_.save());
  prompter_.queueAnswers({false});
  ASSERT_TRUE(backups_.saveBackup());
  const std::string backedUp = readFile(home() / "Acme.qvx");

  doc_.m_pContact->url = "changed.example";
  ASSERT_TRUE(lifecycle_.save());
  writeHomeFile("Acme/PriceList.txt", "changed rows");
  lifecycle_.setModified(true);

  prompter_.clear();
  prompter_.queueAnswers({true, true});
  EXPECT_TRUE(backups_.restoreFromBackup());
  EXPECT_EQ(prompter_.texts(),
            (Texts{kSureQuestion, kWarningQuestion, "Restore completed successfully."}));
  EXPECT_TRUE(frontEnd_.saveChangesQuestions.empty());
  EXPECT_EQ(doc_.m_pContact->url, "backed-up.example");
  EXPECT_EQ(lifecycle_.path(), home() / "Acme.qvx");
  EXPECT_EQ(readFile(home() / "Acme.qvx"), backedUp);
  EXPECT_NE(readFile(home() / "Acme.old"), backedUp);
  EXPECT_EQ(readFile(home() / "Acme" / "PriceList.txt"), "current rows");
  EXPECT_EQ(readFile(home() / "Acme" / "Pricelist.old"), "changed rows");
  EXPECT_EQ(std::distance(fs::directory_iterator(home() / "Acme"), fs::directory_iterator()), 2)
      << "PriceList.txt was replaced, not joined by a Pricelist.txt";
}

TEST_F(BackupsTest, RestoreWithOnlyTheDatabaseBackupLeavesTheDocument) {
  openAcme();
  writeHomeFile("Backups/Acme/Pricelist.txt", "backed-up rows");
  doc_.m_pContact->url = "open.example";

  prompter_.queueAnswers({false});
  EXPECT_FALSE(backups_.restoreFromBackup());
  EXPECT_EQ(readFile(home() / "Acme" / "PriceList.txt"), "current rows");

  prompter_.clear();
  prompter_.queueAnswers({true, true, true});
  EXPECT_TRUE(backups_.restoreFromBackup());
  EXPECT_EQ(prompter_.texts(),
            (Texts{"Your Quorvex settings file could not be found.\nWould you like to continue "
                   "loading your Quorvex database?",
                   kSureQuestion, kWarningQuestion, "Restore completed successfully."}));
  EXPECT_EQ(readFile(home() / "Acme" / "PriceList.txt"), "backed-up rows");
  EXPECT_EQ(readFile(home() / "Acme" / "Pricelist.old"), "current rows");
  EXPECT_EQ(doc_.m_pContact->url, "open.example") << "the open document is left as it is";
}

TEST_F(BackupsTest, RestoreWithOnlyTheSettingsBackupAndItsRefusals) {
  openAcme();
  fs::create_directories(home() / "Backups");
  fs::copy_file(home() / "Acme.qvx", home() / "Backups" / "Acme.qvx");

  prompter_.queueAnswers({true, false});
  EXPECT_FALSE(backups_.restoreFromBackup());
  EXPECT_EQ(prompter_.texts(),
            (Texts{"Your Quorvex database could not be found.\nWould you like to continue "
                   "loading your Quorvex settings?",
                   kSureQuestion}));
  EXPECT_FALSE(fs::exists(home() / "Acme.old"));

  prompter_.clear();
  prompter_.queueAnswers({true, true, true});
  EXPECT_TRUE(backups_.restoreFromBackup());
  EXPECT_TRUE(fs::exists(home() / "Acme.old"));
  EXPECT_EQ(readFile(home() / "Acme" / "PriceList.txt"), "current rows");
}

TEST_F(BackupsTest, ADamagedSettingsBackupStopsTheRestoreBeforeReplacingAnything) {
  openAcme();
  const std::string current = readFile(home() / "Acme.qvx");
  writeHomeFile("Backups/Acme.qvx", "damaged");
  writeHomeFile("Backups/Acme/Pricelist.txt", "backed-up rows");
  prompter_.queueAnswers({true, true});
  EXPECT_FALSE(backups_.restoreFromBackup());
  EXPECT_EQ(readFile(home() / "Acme.qvx"), current);
  EXPECT_EQ(readFile(home() / "Acme" / "PriceList.txt"), "current rows");
  EXPECT_EQ(doc_.m_strCompanyName, "Acme") << "the company's document is open again";
  EXPECT_NE(prompter_.texts().back(), "Restore completed successfully.");
}

TEST_F(BackupsTest, AFailedCopyIsReportedAndNothingIsOverwritten) {
  openAcme();
  // A folder stands where the document's backup copy would go.
  fs::create_directories(home() / "Backups" / "Acme.qvx" / "in the way");
  EXPECT_FALSE(backups_.saveBackup());
  ASSERT_EQ(prompter_.texts().size(), 1u);
  EXPECT_TRUE(prompter_.texts()[0].starts_with("The backup could not be made.\n"))
      << prompter_.texts()[0];

  // A restore whose old document cannot be kept replaces nothing.
  fs::remove_all(home() / "Backups" / "Acme.qvx");
  fs::copy_file(home() / "Acme.qvx", home() / "Backups" / "Acme.qvx");
  doc_.m_pContact->url = "changed.example";
  ASSERT_TRUE(lifecycle_.save());
  const std::string current = readFile(home() / "Acme.qvx");
  fs::create_directories(home() / "Acme.old" / "in the way");
  prompter_.clear();
  prompter_.queueAnswers({true, true, true});
  EXPECT_FALSE(backups_.restoreFromBackup());
  EXPECT_EQ(readFile(home() / "Acme.qvx"), current);
  EXPECT_TRUE(prompter_.texts().back().starts_with("The restore could not be completed.\n"))
      << prompter_.texts().back();
}

}  // namespace
}  // namespace quorvex::testing
