#include <gtest/gtest.h>

#include "publish/file_entry.h"
#include "support/archive_bytes.h"
#include "support/temp_dir.h"

namespace quorvex {
namespace {

using testing::ArchiveBytes;
using testing::readInline;
using testing::TempDir;
using testing::writeInline;

// Appends sourceFile, localFile, remoteName and remoteFolder.
ArchiveBytes& fourStrings(ArchiveBytes& bytes) {
  return bytes.str("Template\\logo.png").str("Acme\\Images\\logo.gif").str("logo.gif")
      .str("Images");
}

void expectFourStrings(const CFileEntry& entry) {
  EXPECT_EQ(entry.sourceFile, "Template\\logo.png");
  EXPECT_EQ(entry.localFile, "Acme\\Images\\logo.gif");
  EXPECT_EQ(entry.remoteName, "logo.gif");
  EXPECT_EQ(entry.remoteFolder, "Images");
}

TEST(FileEntryStoredForm, Version4WrittenAndReadBack) {
  CFileEntry entry;
  entry.inUse = 1;
  entry.binaryTransfer = 1;
  entry.rootOnAddOn = 1;
  entry.sourceFile = "Template\\logo.png";
  entry.localFile = "Acme\\Images\\logo.gif";
  entry.remoteName = "logo.gif";
  entry.remoteFolder = "Images";
  entry.generatedCrc = 0xCBF43926;
  entry.publishedCrc = 0x80000001;
  ArchiveBytes bytes;
  fourStrings(bytes.int32(4).int32(1).int32(1)).uint32(0xCBF43926).uint32(0x80000001).int32(1);
  const std::string expected = bytes.bytes();
  EXPECT_EQ(writeInline(entry), expected);

  CFileEntry back;
  EXPECT_EQ(readInline(expected, back), "");
  EXPECT_EQ(back, entry);
}

TEST(FileEntryStoredForm, OlderVersions) {
  // Version 3: no rootOnAddOn.
  CFileEntry v3;
  size_t consumed = 0;
  ArchiveBytes bytes3;
  fourStrings(bytes3.int32(3).int32(1).int32(0)).uint32(11).uint32(22);
  EXPECT_EQ(readInline(bytes3, v3, &consumed), "");
  EXPECT_EQ(consumed, bytes3.bytes().size());
  EXPECT_EQ(v3.inUse, 1);
  EXPECT_EQ(v3.binaryTransfer, 0);
  expectFourStrings(v3);
  EXPECT_EQ(v3.generatedCrc, 11u);
  EXPECT_EQ(v3.publishedCrc, 22u);
  EXPECT_EQ(v3.rootOnAddOn, 0);

  // Version 2: a leading int32 that is discarded.
  CFileEntry v2;
  ArchiveBytes bytes2;
  fourStrings(bytes2.int32(2).int32(99).int32(0).int32(1)).uint32(33).uint32(44);
  EXPECT_EQ(readInline(bytes2, v2, &consumed), "");
  EXPECT_EQ(consumed, bytes2.bytes().size());
  EXPECT_EQ(v2.inUse, 0);
  EXPECT_EQ(v2.binaryTransfer, 1);
  expectFourStrings(v2);
  EXPECT_EQ(v2.generatedCrc, 33u);
  EXPECT_EQ(v2.publishedCrc, 44u);

  // Version 1: 15 trailing int32 discarded, no checksums.
  CFileEntry v1;
  ArchiveBytes bytes1;
  fourStrings(bytes1.int32(1).int32(99).int32(1).int32(1));
  for (int i = 0; i < 15; ++i) bytes1.int32(1000 + i);
  EXPECT_EQ(readInline(bytes1, v1, &consumed), "");
  EXPECT_EQ(consumed, bytes1.bytes().size());
  EXPECT_EQ(v1.inUse, 1);
  EXPECT_EQ(v1.binaryTransfer, 1);
  expectFourStrings(v1);
  EXPECT_EQ(v1.generatedCrc, 0u);
  EXPECT_EQ(v1.publishedCrc, 0u);
  TempDir home;
  home.write("Acme/Images/logo.gif", "GIF89a");
  EXPECT_TRUE(v1.isChanged(home.path()));  // never recorded as uploaded

  // An unknown version reads nothing after it.
  CFileEntry v5;
  EXPECT_EQ(readInline(ArchiveBytes().int32(5).int32(1).int32(1), v5, &consumed), "");
  EXPECT_EQ(consumed, 4u);
  EXPECT_EQ(v5, CFileEntry());
}

TEST(FileEntry, ChangeDetectionFollowsTheLocalFile) {
  TempDir home;
  home.write("Acme/index.html", "<html>one</html>");
  CFileEntry entry;
  entry.inUse = 1;
  entry.localFile = "Acme\\index.html";

  EXPECT_TRUE(entry.isChanged(home.path()));  // never uploaded
  entry.markPublished(home.path());
  EXPECT_NE(entry.publishedCrc, 0u);
  EXPECT_FALSE(entry.isChanged(home.path()));

  home.write("Acme/index.html", "<html>one</html>");  // regenerated, same content
  EXPECT_FALSE(entry.isChanged(home.path()));
  home.write("Acme/index.html", "<html>One</html>");  // one byte differs
  EXPECT_TRUE(entry.isChanged(home.path()));
  entry.markPublished(home.path());
  EXPECT_FALSE(entry.isChanged(home.path()));

  std::filesystem::remove(home.path() / "Acme/index.html");  // deleted by hand
  EXPECT_TRUE(entry.isChanged(home.path()));
  entry.markPublished(home.path());
  EXPECT_EQ(entry.publishedCrc, 0u);
}

TEST(FileEntry, UnusedEntriesAreNeverChangedAndDeletedOnlyWhenOnTheServer) {
  TempDir home;
  home.write("Acme/old.html", "old");
  CFileEntry entry;
  entry.localFile = "Acme\\old.html";
  entry.inUse = 0;
  EXPECT_FALSE(entry.isChanged(home.path()));
  EXPECT_FALSE(entry.isToDelete());
  entry.markPublished(home.path());
  EXPECT_FALSE(entry.isChanged(home.path()));
  EXPECT_TRUE(entry.isToDelete());
  entry.clearPublished();
  EXPECT_FALSE(entry.isToDelete());
}

TEST(FileEntry, AbsoluteLocalPathIsUsedAsItIs) {
  TempDir home;
  TempDir elsewhere;
  std::filesystem::path page = elsewhere.write("site/index.html", "x");
  CFileEntry entry;
  entry.localFile = page.string();
  EXPECT_EQ(entry.localPath(home.path()), page);
}

}  // namespace
}  // namespace quorvex
