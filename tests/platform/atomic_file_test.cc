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

TEST(AtomicFile, FailsInAFolderThatDoesNotExist) {
  TempDir dir;
  Status status = replaceFileAtomically(dir.path() / "missing" / "doc.qvx", "x");
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message().find("missing"), std::string::npos);
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
