#include "platform/atomic_file.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::TempDir;

TEST(AtomicFile, ReplacesTheContentAndLeavesNoTemporaryFile) {
  TempDir dir;
  fs::path target = dir.write("doc.qvx", "old");
  ASSERT_TRUE(replaceFileAtomically(target, "new content").ok());
  EXPECT_EQ(readFile(target), "new content");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
}

TEST(AtomicFile, PiecesReplaceOnlyOnCommitAndAnAbandonedWriterLeavesNoTrace) {
  TempDir dir;
  fs::path target = dir.write("PriceList.txt", "old");
  {
    AtomicFileWriter abandoned;
    ASSERT_TRUE(abandoned.open(target).ok());
    ASSERT_TRUE(abandoned.append("half").ok());
  }
  EXPECT_EQ(readFile(target), "old");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
  AtomicFileWriter writer;
  EXPECT_FALSE(writer.append("before open").ok());
  ASSERT_TRUE(writer.open(target).ok());
  for (const char* piece : {"first,", "", "second"}) ASSERT_TRUE(writer.append(piece).ok());
  EXPECT_EQ(readFile(target), "old");
  ASSERT_TRUE(writer.commit().ok());
  EXPECT_EQ(readFile(target), "first,second");
  EXPECT_FALSE(writer.commit().ok());
}

TEST(AtomicFile, FailsInAFolderThatDoesNotExist) {
  TempDir dir;
  Status status = replaceFileAtomically(dir.path() / "missing" / "doc.qvx", "x");
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message().find("missing"), std::string::npos);
}

TEST(AtomicFile, KeepsLinksAndPermissionsAndRefusesReadOnlyFiles) {
  TempDir dir;
  const fs::path real = dir.write("real/doc.qvx", "old");
  const fs::path link = dir.path() / "doc.qvx";
  fs::create_symlink(real, link);
  dir.write("real/.doc.qvx.xY34zW", "left by a killed save");
  dir.write(".other.qvx.Ab12Cd", "another file's save in progress");
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  ASSERT_TRUE(replaceFileAtomically(link, "new").ok());
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(readFile(real), "new");
  EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_FALSE(fs::exists(dir.path() / "real/.doc.qvx.xY34zW"));
  EXPECT_TRUE(fs::exists(dir.path() / ".other.qvx.Ab12Cd"));

  fs::permissions(real, fs::perms::owner_read);
  Status status = replaceFileAtomically(link, "newer");
  EXPECT_EQ(status.message(), fs::canonical(real).string() + " is read-only; it was not changed.");
  EXPECT_EQ(readFile(real), "new");
  EXPECT_EQ(fs::status(real).permissions() & fs::perms::all, fs::perms::owner_read);
}

// A process killed while it writes a large replacement leaves the previous
// file complete: the new bytes only ever reach a temporary file.
TEST(AtomicFile, AKilledSaveLeavesThePreviousFileIntact) {
  TempDir dir;
  const std::string previous = "the previous document";
  fs::path target = dir.write("doc.qvx", previous);
  for (int delay_ms : {0, 5, 20}) {
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      std::string huge(512u << 20, 'x');
      (void)replaceFileAtomically(target, huge);  // killed while it writes
      ::_exit(0);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(delay_ms));
    ::kill(child, SIGKILL);
    int wstatus = 0;
    ::waitpid(child, &wstatus, 0);
    ASSERT_TRUE(WIFSIGNALED(wstatus)) << "the save finished before it could be interrupted";
    EXPECT_EQ(readFile(target), previous);
  }
}

}  // namespace
}  // namespace quorvex
