#include "app/app_fixture.h"
#include "app/command_ids.h"
#include "app/recent_files.h"
#include "site/full_page.h"

namespace quorvex::testing {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

class DocumentLifecycleTest : public AppFixture {};

TEST_F(DocumentLifecycleTest, NewAsksToSaveAModifiedDocumentFirst) {
  lifecycle_.renameCompany("Acme");
  lifecycle_.setModified(true);
  frontEnd_.saveChangesAnswer = SaveChangesAnswer::kCancel;
  dispatcher_.run(kCmdNew);
  EXPECT_EQ(frontEnd_.saveChangesQuestions, Texts{"Acme"});
  EXPECT_EQ(doc_.m_strCompanyName, "Acme") << "cancelled";

  frontEnd_.saveChangesAnswer = SaveChangesAnswer::kYes;
  dispatcher_.run(kCmdNew);
  EXPECT_TRUE(fs::exists(home() / "Acme.qvx"));
  EXPECT_EQ(doc_.m_strCompanyName, "");
  EXPECT_EQ(lifecycle_.title(), "New Company");
  EXPECT_TRUE(lifecycle_.path().empty());
  EXPECT_FALSE(lifecycle_.modified());
  EXPECT_EQ(doc_.m_strSaveDir, home().string());
}

TEST_F(DocumentLifecycleTest, SaveAndOpenTieTheDocumentToItsFile) {
  // A document without a path is saved through the Save As dialog.
  doc_.m_strCompanyName = "Acme";
  lifecycle_.setModified(true);
  frontEnd_.queueFiles({fs::path("Elsewhere.qvx")});
  dispatcher_.run(kCmdSave);
  ASSERT_EQ(frontEnd_.fileRequests.size(), 1u);
  const FileDialogRequest& request = frontEnd_.fileRequests[0];
  EXPECT_TRUE(request.save && request.confirmOverwrite);
  EXPECT_EQ(request.folder, home());
  EXPECT_EQ(request.filters[0].label, "Quorvex Files (*.qvx)");
  EXPECT_EQ(request.defaultExtension, ".qvx");
  EXPECT_EQ(lifecycle_.path(), home() / "Elsewhere.qvx");
  EXPECT_EQ(lifecycle_.title(), "Acme") << "the title follows the company name";
  EXPECT_FALSE(lifecycle_.modified());

  const fs::path other = saveCompany("Bolt");
  frontEnd_.queueFiles({other});
  dispatcher_.run(kCmdOpen);
  EXPECT_EQ(doc_.m_strCompanyName, "Bolt");
  EXPECT_EQ(lifecycle_.path(), other);
  EXPECT_EQ(lifecycle_.recentFiles().entries(),
            (Texts{other.string(), (home() / "Elsewhere.qvx").string()}));

  // A failed open reports why and leaves a new, untitled document.
  writeHomeFile("Broken.qvx", "not a document");
  EXPECT_FALSE(lifecycle_.openFile(home() / "Broken.qvx"));
  EXPECT_EQ(prompter_.texts().size(), 1u);
  EXPECT_EQ(lifecycle_.title(), "New Company");
  EXPECT_EQ(doc_.m_strCompanyName, "");
  EXPECT_TRUE(lifecycle_.path().empty());
}

TEST_F(DocumentLifecycleTest, RecentFilesKeepTheFourLatestOnce) {
  RecentFiles recent(settings_);
  for (const char* name : {"a.qvx", "b.qvx", "c.qvx", "d.qvx", "b.qvx", "e.qvx"}) {
    recent.add(home() / name);
  }
  auto path = [&](const char* name) { return (home() / name).string(); };
  EXPECT_EQ(recent.entries(), (Texts{path("e.qvx"), path("b.qvx"), path("d.qvx"), path("c.qvx")}));
  EXPECT_EQ(settings_.getString("Recent File List", "File1", ""), path("e.qvx"));
  EXPECT_EQ(recent.entry(4), "");

  const fs::path file = saveCompany("Crate");
  recent.add(file);
  dispatcher_.run(kCmdRecentFile1);
  EXPECT_EQ(doc_.m_strCompanyName, "Crate");
}

TEST_F(DocumentLifecycleTest, RenamingANewCompanyNamesItsPathAndCopyright) {
  doc_.m_pPageData->addPages(kHomePageType, 2);
  lifecycle_.renameCompany("Acme");
  EXPECT_EQ(lifecycle_.path(), home() / "Acme.qvx");
  EXPECT_FALSE(fs::exists(home() / "Acme.qvx")) << "nothing to move";
  EXPECT_EQ(lifecycle_.title(), "Acme");
  EXPECT_EQ(doc_.m_pBusiness->copyrightText, "Copyright 2024 Acme");
  for (const Owned<CPage>& page : doc_.m_pPageData->pages) {
    EXPECT_EQ(dynamic_cast<CFullPage&>(*page).header, "Acme");
  }
  EXPECT_TRUE(lifecycle_.recentFiles().entries().empty()) << "renaming adds no recent file";

  // The same name again changes no path but still sets the headers.
  dynamic_cast<CFullPage&>(doc_.m_pPageData->at(0)).header = "Welcome";
  doc_.m_pBusiness->copyrightText = "Copyright 2020 Acme";
  lifecycle_.renameCompany("Acme");
  EXPECT_EQ(dynamic_cast<CFullPage&>(doc_.m_pPageData->at(0)).header, "Acme");
  EXPECT_EQ(doc_.m_pBusiness->copyrightText, "Copyright 2020 Acme");
}

TEST_F(DocumentLifecycleTest, RenamingMovesTheSiteFolderDocumentAndProductFile) {
  lifecycle_.renameCompany("Acme");
  ASSERT_TRUE(lifecycle_.save());
  writeHomeFile("Acme/PriceList.txt", "rows");
  doc_.m_pExtraFields->inProgram = 1;
  doc_.m_pExtraFields->sourcePath = (home() / "Acme" / "PriceList.txt").string();

  lifecycle_.renameCompany("Bolt Co");
  EXPECT_EQ(lifecycle_.path(), home() / "Bolt Co.qvx");
  EXPECT_TRUE(fs::exists(home() / "Bolt Co.qvx"));
  EXPECT_FALSE(fs::exists(home() / "Acme.qvx"));
  EXPECT_EQ(readFile(home() / "Bolt Co" / "PriceList.txt"), "rows");
  EXPECT_EQ(doc_.m_pExtraFields->sourcePath, (home() / "Bolt Co" / "PriceList.txt").string());

  // An imported table keeps the external file it is refreshed from.
  doc_.m_pExtraFields->inProgram = 0;
  doc_.m_pExtraFields->sourcePath = "/data/stock.csv";
  lifecycle_.renameCompany("Crate");
  EXPECT_EQ(doc_.m_pExtraFields->sourcePath, "/data/stock.csv");
}

TEST_F(DocumentLifecycleTest, ADocumentSavedOutsideTheHomeMovesIntoItWhenRenamed) {
  TempDir elsewhere;
  doc_.m_strCompanyName = "Acme";
  frontEnd_.queueFiles({elsewhere.path() / "acme-copy.qvx"});
  ASSERT_TRUE(lifecycle_.saveAs());
  lifecycle_.renameCompany("Bolt");
  EXPECT_EQ(lifecycle_.path(), home() / "Bolt.qvx");
  EXPECT_TRUE(fs::exists(home() / "Bolt.qvx"));
  EXPECT_FALSE(fs::exists(elsewhere.path() / "acme-copy.qvx"));

  // When the move cannot happen (the new name is taken) the old file stays
  // and the next save writes the new path.
  frontEnd_.queueFiles({elsewhere.path() / "bolt-copy.qvx"});
  ASSERT_TRUE(lifecycle_.saveAs());
  const std::string taken = readFile(saveCompany("Crate"));
  lifecycle_.renameCompany("Crate");
  EXPECT_TRUE(fs::exists(elsewhere.path() / "bolt-copy.qvx"));
  EXPECT_EQ(readFile(home() / "Crate.qvx"), taken);
  ASSERT_TRUE(lifecycle_.save());
  CBrenquilDoc saved(env_);
  ASSERT_TRUE(saved.open(home() / "Crate.qvx").ok());
  EXPECT_EQ(saved.m_pBusiness->copyrightText, "Copyright 2024 Crate");
}

TEST_F(DocumentLifecycleTest, ExitAsksToSaveThenQuits) {
  lifecycle_.setModified(true);
  frontEnd_.saveChangesAnswer = SaveChangesAnswer::kCancel;
  dispatcher_.run(kCmdExit);
  EXPECT_FALSE(frontEnd_.quitRequested);
  frontEnd_.saveChangesAnswer = SaveChangesAnswer::kNo;
  dispatcher_.run(kCmdExit);
  EXPECT_TRUE(frontEnd_.quitRequested);
}

}  // namespace
}  // namespace quorvex::testing
