#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "publish/file_checksum.h"
#include "publish/file_list.h"
#include "publish/file_list_index.h"
#include "support/archive_bytes.h"
#include "support/temp_dir.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using testing::ArchiveBytes;
using testing::readObject;
using testing::TempDir;
using testing::writeObject;

TEST(FileListStoredForm, CountThenEntriesInline) {
  CFileList list;
  CFileEntry& first = list.entries.emplace_back();
  first.inUse = 1;
  first.remoteName = "index.html";
  first.generatedCrc = 7;
  CFileEntry& second = list.entries.emplace_back();
  second.binaryTransfer = 1;
  second.remoteName = "a.gif";
  second.remoteFolder = "Images";
  const std::string expected = ArchiveBytes().newClass("CFileList", 1).count(2)
      .int32(4).int32(1).int32(0).str("").str("").str("index.html").str("").uint32(7).uint32(0)
      .int32(0)
      .int32(4).int32(0).int32(1).str("").str("").str("a.gif").str("Images").uint32(0).uint32(0)
      .int32(0).bytes();
  EXPECT_EQ(writeObject(list), expected);

  std::string error;
  Owned<CFileList> back = readObject<CFileList>(expected, &error);
  ASSERT_TRUE(back) << error;
  EXPECT_EQ(*back, list);

  // A count the file cannot hold fails the read instead of allocating.
  EXPECT_FALSE(readObject<CFileList>(ArchiveBytes().newClass("CFileList", 1).count(60000)
                                         .int32(4), &error));
}

class FileListTest : public ::testing::Test {
 protected:
  void addPage(const std::string& name, const std::string& content,
               const std::string& source = "Templates\\page.html") {
    home_.write("Acme/" + name, content);
    list_.addFile(home_.path(), source, "Acme\\" + name, name, "", 1, 0, 0);
  }
  const CFileEntry& entry(size_t index) const { return list_.entries.at(index); }

  TempDir home_;
  CFileList list_;
};

TEST_F(FileListTest, AddFileAppendsWithTheGeneratedChecksum) {
  addPage("index.html", "123456789");
  ASSERT_EQ(list_.entries.size(), 1u);
  EXPECT_EQ(entry(0).generatedCrc, 0xCBF43926u);
  EXPECT_EQ(entry(0).publishedCrc, 0u);
  EXPECT_EQ(entry(0).inUse, 1);
  EXPECT_TRUE(entry(0).isChanged(home_.path()));

  // A missing local file is entered with checksum 0.
  list_.addFile(home_.path(), "src.gif", "Acme\\Images\\gone.gif", "gone.gif", "Images", 1, 1, 0);
  ASSERT_EQ(list_.entries.size(), 2u);
  EXPECT_EQ(entry(1).generatedCrc, 0u);
  EXPECT_EQ(entry(1).binaryTransfer, 1);

  // Without a remote name or a source nothing is entered.
  list_.addFile(home_.path(), "src.gif", "Acme\\x.gif", "", "Images", 1, 1, 0);
  list_.addFile(home_.path(), "", "Acme\\x.gif", "x.gif", "Images", 1, 1, 0);
  EXPECT_EQ(list_.entries.size(), 2u);
}

TEST_F(FileListTest, AddFileUnderAnExistingKeyKeepsTheUploadState) {
  addPage("index.html", "one");
  CFileEntry& page = list_.entries[0];
  page.markPublished(home_.path());
  const uint32_t uploaded = page.publishedCrc;
  list_.markAllUnused();

  // Same remote name, other folder: a separate entry.
  list_.addFile(home_.path(), "other.html", "Acme\\sub\\index.html", "index.html", "sub", 1, 1, 1);
  ASSERT_EQ(list_.entries.size(), 2u);

  // Same key with another source and local path and other flags.
  home_.write("Acme/new/index.html", "two");
  list_.addFile(home_.path(), "Templates\\index2.html", "Acme\\new\\index.html", "index.html", "",
                1, 1, 1);
  ASSERT_EQ(list_.entries.size(), 2u);
  EXPECT_EQ(entry(0).inUse, 1);
  EXPECT_EQ(entry(0).sourceFile, "Templates\\index2.html");
  EXPECT_EQ(entry(0).localFile, "Acme\\new\\index.html");
  EXPECT_EQ(entry(0).generatedCrc, fileCrc32(home_.path() / "Acme/new/index.html"));
  EXPECT_EQ(entry(0).publishedCrc, uploaded);
  EXPECT_EQ(entry(0).binaryTransfer, 0);
  EXPECT_EQ(entry(0).rootOnAddOn, 0);
  EXPECT_TRUE(entry(0).isChanged(home_.path()));
}

// Entering files through an index gives the list a search gives: the first
// of two entries with one key is the one updated, keys whose folder and name
// join to the same text stay apart, and an appended entry is found again.
TEST_F(FileListTest, AddFileThroughAnIndexMatchesTheSearch) {
  struct Add {
    std::string remoteName;
    std::string remoteFolder;
  };
  const std::vector<Add> adds = {
      {"a.html", ""}, {"b.gif", "Images"}, {"Imagesb.gif", ""}, {"new.html", ""},
      {"new.html", ""}, {"b.gif", "images"}, {"a.html", ""},
  };
  CFileList loaded;
  for (const Add& add : std::vector<Add>{{"a.html", ""}, {"b.gif", "Images"}, {"a.html", ""}}) {
    CFileEntry& entry = loaded.entries.emplace_back();
    entry.remoteName = add.remoteName;
    entry.remoteFolder = add.remoteFolder;
  }
  home_.write("Acme/page.html", "123456789");
  CFileList searched = loaded;
  CFileList indexed = loaded;
  FileListIndex index(indexed);
  uint32_t step = 0;
  for (const Add& add : adds) {
    ++step;
    searched.addFile(home_.path(), "src", "Acme\\page.html", add.remoteName, add.remoteFolder,
                     int32_t(step), 0, 0);
    indexed.addFile(home_.path(), "src", "Acme\\page.html", add.remoteName, add.remoteFolder,
                    int32_t(step), 0, 0, std::nullopt, &index);
    ASSERT_EQ(indexed, searched) << "after adding " << add.remoteFolder << "/" << add.remoteName;
  }
  EXPECT_EQ(indexed.entries.size(), 6u);
  EXPECT_EQ(indexed.entries[2].inUse, 0);  // the second "a.html" is never the one found
  EXPECT_EQ(indexed.entries[0].generatedCrc, 0xCBF43926u);

  // A known checksum is taken as it is, without reading the file.
  indexed.addFile(home_.path(), "src", "Acme\\gone.html", "a.html", "", 1, 0, 0, 42u, &index);
  EXPECT_EQ(indexed.entries[0].generatedCrc, 42u);
}

TEST_F(FileListTest, RemoveUnusedDropsWhatWasNeverUploaded) {
  addPage("kept.html", "kept");          // still produced
  addPage("dropped.html", "dropped");    // no longer produced, never uploaded
  addPage("published.html", "online");   // no longer produced, on the server
  home_.write("Shared/copied.pdf", "pdf");
  list_.addFile(home_.path(), "Shared\\copied.pdf", "Shared\\copied.pdf", "copied.pdf",
                "softgoods", 1, 1, 0);   // uploaded from its source itself
  list_.entries[2].markPublished(home_.path());

  list_.markAllUnused();
  list_.entries[0].inUse = 1;
  list_.removeUnused(home_.path(), home_.path() / "Acme");

  ASSERT_EQ(list_.entries.size(), 2u);
  EXPECT_EQ(entry(0).remoteName, "kept.html");
  EXPECT_EQ(entry(1).remoteName, "published.html");
  EXPECT_TRUE(entry(1).isToDelete());
  EXPECT_FALSE(fs::exists(home_.path() / "Acme/dropped.html"));
  EXPECT_TRUE(fs::exists(home_.path() / "Acme/published.html"));
  EXPECT_TRUE(fs::exists(home_.path() / "Shared/copied.pdf"));  // the source is never deleted

  // Once deleted on the server, the next pass removes the entry.
  list_.entries[1].clearPublished();
  list_.removeUnused(home_.path(), home_.path() / "Acme");
  ASSERT_EQ(list_.entries.size(), 1u);
  EXPECT_FALSE(fs::exists(home_.path() / "Acme/published.html"));
}

TEST_F(FileListTest, RemoveUnusedDeletesOnlyWhatItProduced) {
  home_.write("Other.qvx", "another company");
  home_.write("outside/notes.txt", "notes");
  home_.write("Acme/secret.txt", "the user's own file");
  addPage("edited.html", "generated");
  home_.write("Acme/edited.html", "changed by hand since");
  for (const fs::path& local : {fs::path("Acme\\..\\Other.qvx"), home_.path() / "outside/notes.txt",
                                fs::path("Acme\\secret.txt")}) {
    CFileEntry& crafted = list_.entries.emplace_back();
    crafted.sourceFile = "x";
    crafted.localFile = local.string();
    crafted.generatedCrc = *fileCrc32(home_.path() / "Other.qvx");
  }
  list_.markAllUnused();
  list_.removeUnused(home_.path(), home_.path() / "Acme");
  EXPECT_TRUE(list_.entries.empty());
  for (const char* kept :
       {"Other.qvx", "outside/notes.txt", "Acme/secret.txt", "Acme/edited.html"}) {
    EXPECT_TRUE(fs::exists(home_.path() / kept)) << kept;
  }
}

TEST_F(FileListTest, RemoveUnusedNeverDeletesAFolder) {
  fs::create_directories(home_.path() / "Acme/Images");
  CFileEntry& odd = list_.entries.emplace_back();
  odd.sourceFile = "x";
  odd.localFile = "Acme\\Images";
  list_.removeUnused(home_.path(), home_.path() / "Acme");
  EXPECT_TRUE(list_.entries.empty());
  EXPECT_TRUE(fs::is_directory(home_.path() / "Acme/Images"));
}

TEST_F(FileListTest, RemoteFoldersAreDistinctInOrderOfFirstUse) {
  for (const char* folder : {"", "Images", "softgoods", "Images", "", "sgBuyers", "softgoods"}) {
    CFileEntry& e = list_.entries.emplace_back();
    e.remoteFolder = folder;
  }
  EXPECT_EQ(list_.remoteFolders(), (std::vector<std::string>{"Images", "softgoods", "sgBuyers"}));
}

}  // namespace
}  // namespace quorvex
