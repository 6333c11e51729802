#include <gtest/gtest.h>

#include "company/brenquil_doc.h"
#include "platform/scripted_prompter.h"
#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace quorvex::testing {
namespace {

namespace fs = std::filesystem;

// The rename, backup and restore commands on real folders of a temporary
// home.
class AppCommandsTest : public ::testing::Test {
 protected:
  fs::path home() const { return dir_.path() / "home"; }

  CliResult cli(std::vector<std::string> args) {
    args.insert(args.begin(), {"--home", home().string()});
    return runCli(args);
  }

  // Writes a new document of `company` to `file`.
  void makeCompany(const fs::path& file, const std::string& company) {
    CliResult made = cli({"new", file.string(), "--company", company});
    ASSERT_EQ(made.exit_status, 0) << made.err;
  }

  // The company name and copyright line stored in `file`.
  std::pair<std::string, std::string> companyOf(const fs::path& file) {
    ScriptedPrompter prompter;
    Env env(home(), prompter);
    CBrenquilDoc doc(env);
    EXPECT_TRUE(doc.open(file).ok());
    return {doc.m_strCompanyName, doc.m_pBusiness->copyrightText};
  }

  TempDir dir_;
};

TEST_F(AppCommandsTest, RenameMovesTheCompanysFiles) {
  makeCompany(home() / "Acme.qvx", "Acme");
  dir_.write("home/Acme/PriceList.txt", "rows");
  CliResult renamed = cli({"rename", (home() / "Acme.qvx").string(), "Bolt Co"});
  ASSERT_EQ(renamed.exit_status, 0) << renamed.err;
  EXPECT_FALSE(fs::exists(home() / "Acme.qvx"));
  EXPECT_EQ(readFile(home() / "Bolt Co" / "PriceList.txt"), "rows");
  auto [name, copyright] = companyOf(home() / "Bolt Co.qvx");
  EXPECT_EQ(name, "Bolt Co");
  EXPECT_EQ(copyright.substr(0, 10), "Copyright ");
  EXPECT_TRUE(copyright.ends_with(" Bolt Co"));

  CliResult refused = cli({"rename", (home() / "Bolt Co.qvx").string(), "A/B"});
  EXPECT_EQ(refused.exit_status, 1);
  EXPECT_NE(refused.err.find("Sorry, Company Name may not include any of these characters:"),
            std::string::npos);
  EXPECT_TRUE(fs::exists(home() / "Bolt Co.qvx"));
}

TEST_F(AppCommandsTest, RenameAndNewNeverReplaceAnotherCompany) {
  makeCompany(home() / "Acme.qvx", "Acme");
  makeCompany(home() / "Beta.qvx", "Beta");
  dir_.write("home/Beta/PriceList.txt", "Beta's rows");
  dir_.write("home/Gamma/PriceList.txt", "a folder left by Gamma");
  const std::string beta = readFile(home() / "Beta.qvx");
  struct Case {
    std::string name;
    std::string message;
  };
  const std::string taken = "already exists.  Please, choose another Company Name.";
  for (const Case& c : {Case{"Beta", taken}, Case{"beta", taken}, Case{"Gamma", taken},
                        Case{".", "cannot be a Company Name."},
                        Case{"..", "cannot be a Company Name."},
                        Case{"Tab\there", "may not include control characters"},
                        Case{std::string(201, 'x'), "at most 200 characters long."}}) {
    CliResult refused = cli({"rename", (home() / "Acme.qvx").string(), c.name});
    EXPECT_EQ(refused.exit_status, 1) << c.name;
    EXPECT_NE(refused.err.find(c.message), std::string::npos) << c.name << ": " << refused.err;
  }
  EXPECT_EQ(companyOf(home() / "Acme.qvx").first, "Acme");
  EXPECT_EQ(readFile(home() / "Beta.qvx"), beta);
  EXPECT_EQ(readFile(home() / "Beta/PriceList.txt"), "Beta's rows");
  // Renaming to the same name in another case is the company's own.
  EXPECT_EQ(cli({"rename", (home() / "Acme.qvx").string(), "ACME"}).exit_status, 0);

  CliResult kept = cli({"new", (home() / "Beta.qvx").string()});
  EXPECT_EQ(kept.exit_status, 1);
  EXPECT_NE(kept.err.find("Beta.qvx already exists; --force replaces it."), std::string::npos)
      << kept.err;
  EXPECT_EQ(readFile(home() / "Beta.qvx"), beta);
  EXPECT_EQ(cli({"new", (home() / "Beta.qvx").string(), "--force"}).exit_status, 0);
  EXPECT_EQ(companyOf(home() / "Beta.qvx").first, "");
}

TEST_F(AppCommandsTest, AnInterruptedRenameIsFinishedByRunningItAgain) {
  // The states a kill can leave, step by step: the journal written; the
  // site folder moved too; the new document begun too (the old one stays).
  for (int steps_done = 1; steps_done <= 3; ++steps_done) {
    fs::remove_all(home());
    makeCompany(home() / "Acme.qvx", "Acme");
    dir_.write("home/Acme/PriceList.txt", "rows");
    dir_.write("home/.Bolt.rename", (home() / "Acme.qvx").string());
    if (steps_done >= 2) fs::rename(home() / "Acme", home() / "Bolt");
    if (steps_done >= 3) fs::copy_file(home() / "Acme.qvx", home() / "Bolt.qvx");
    CliResult resumed = cli({"rename", (home() / "Acme.qvx").string(), "Bolt"});
    ASSERT_EQ(resumed.exit_status, 0) << steps_done << resumed.err;
    EXPECT_FALSE(fs::exists(home() / "Acme.qvx")) << steps_done;
    EXPECT_FALSE(fs::exists(home() / ".Bolt.rename")) << steps_done;
    EXPECT_EQ(companyOf(home() / "Bolt.qvx").first, "Bolt") << steps_done;
    EXPECT_EQ(readFile(home() / "Bolt/PriceList.txt"), "rows") << steps_done;
  }
}

TEST_F(AppCommandsTest, RenameBringsADocumentSavedElsewhereIntoTheHome) {
  const fs::path outside = dir_.path() / "outside" / "shop.qvx";
  fs::create_directories(outside.parent_path());
  makeCompany(outside, "Acme");
  CliResult renamed = cli({"rename", outside.string(), "Crate"});
  ASSERT_EQ(renamed.exit_status, 0) << renamed.err;
  EXPECT_FALSE(fs::exists(outside));
  EXPECT_EQ(companyOf(home() / "Crate.qvx").first, "Crate");
}

TEST_F(AppCommandsTest, BackupFindsTheProductFileWhateverItsCase) {
  makeCompany(home() / "Acme.qvx", "Acme");
  dir_.write("home/Acme/PriceList.txt", "rows");
  CliResult backedUp = cli({"--no", "backup", (home() / "Acme.qvx").string()});
  ASSERT_EQ(backedUp.exit_status, 0) << backedUp.err;
  EXPECT_NE(backedUp.err.find("Would you like to save an extra copy"), std::string::npos);
  EXPECT_EQ(readFile(home() / "Backups" / "Acme" / "Pricelist.txt"), "rows");
  EXPECT_EQ(readFile(home() / "Backups" / "Acme.qvx"), readFile(home() / "Acme.qvx"));

  const fs::path extra = dir_.path() / "extra.qvx";
  CliResult copied =
      cli({"--yes", "backup", (home() / "Acme.qvx").string(), "--copy-to", extra.string()});
  ASSERT_EQ(copied.exit_status, 0) << copied.err;
  EXPECT_EQ(readFile(extra), readFile(home() / "Acme.qvx"));
}

TEST_F(AppCommandsTest, RestoreWithOnlyTheDatabaseBackup) {
  makeCompany(home() / "Acme.qvx", "Acme");
  const std::string document = (home() / "Acme.qvx").string();
  CliResult nothing = cli({"--yes", "restore", document});
  EXPECT_EQ(nothing.exit_status, 1);
  EXPECT_NE(nothing.err.find("Sorry, no backup could be found for this company."),
            std::string::npos);

  dir_.write("home/Acme/PriceList.txt", "changed rows");
  dir_.write("home/Backups/Acme/Pricelist.txt", "backed-up rows");
  const std::string before = readFile(home() / "Acme.qvx");
  CliResult declined = cli({"--answers", "y,n", "restore", document});
  EXPECT_EQ(declined.exit_status, 1);
  EXPECT_EQ(readFile(home() / "Acme" / "PriceList.txt"), "changed rows");

  CliResult restored = cli({"--yes", "restore", document});
  ASSERT_EQ(restored.exit_status, 0) << restored.err;
  EXPECT_NE(restored.err.find("Restore completed successfully."), std::string::npos);
  EXPECT_EQ(readFile(home() / "Acme" / "PriceList.txt"), "backed-up rows");
  EXPECT_EQ(readFile(home() / "Acme" / "Pricelist.old"), "changed rows");
  EXPECT_EQ(readFile(home() / "Acme.qvx"), before);
  EXPECT_FALSE(fs::exists(home() / "Acme.old"));
}

}  // namespace
}  // namespace quorvex::testing
