#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/ini_settings_store.h"
#include "support/temp_dir.h"

namespace quorvex {
namespace {

using testing::readFile;
using testing::TempDir;

TEST(IniSettingsStore, ValuesRoundTripAndKeepTheRestOfTheFile) {
  TempDir dir;
  auto file = dir.path() / "sub" / "Quorvex.ini";
  IniSettingsStore store(file);
  EXPECT_EQ(store.getString("Recent File List", "File1", "none"), "none");
  EXPECT_EQ(store.getInt("Settings", "FirstRun", 7), 7);

  ASSERT_TRUE(store.setString("Recent File List", "File1", "C:\\Quorvex\\Shop.qvx").ok());
  ASSERT_TRUE(store.setInt("Settings", "FirstRun", 0).ok());
  ASSERT_TRUE(store.setString("Recent File List", "File2", "Other.qvx").ok());
  EXPECT_EQ(readFile(file),
            "[Recent File List]\nFile1=C:\\Quorvex\\Shop.qvx\nFile2=Other.qvx\n\n"
            "[Settings]\nFirstRun=0\n");
  // Names match without regard to case; a second store sees the file.
  IniSettingsStore other(file);
  EXPECT_EQ(other.getString("recent file list", "FILE1", ""), "C:\\Quorvex\\Shop.qvx");
  EXPECT_EQ(other.getInt("SETTINGS", "firstrun", 7), 0);

  // A change replaces the value in place and keeps comments.
  dir.write("sub/Quorvex.ini", "; kept\n[Order Server]\n Host = a.example \n\n[Other]\nx=1\n");
  ASSERT_TRUE(store.setString("order server", "host", "b.example").ok());
  EXPECT_EQ(readFile(file), "; kept\n[Order Server]\nhost=b.example\n\n[Other]\nx=1\n");
  EXPECT_EQ(store.getInt("Other", "x", 0), 1);
}

TEST(IniSettingsStore, RefusesWhatTheFileCannotHold) {
  TempDir dir;
  IniSettingsStore store(dir.path() / "Quorvex.ini");
  EXPECT_FALSE(store.setString("Section", "Key", "two\nlines").ok());
  EXPECT_FALSE(store.setString("Section", "a=b", "x").ok());
  EXPECT_FALSE(store.setString("Sec]tion", "Key", "x").ok());
  EXPECT_FALSE(store.setString("Section", " ", "x").ok());
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "Quorvex.ini"));

  dir.write("Quorvex.ini", "[Numbers]\nbad=12abc\nempty=\nnegative=-3\n");
  EXPECT_EQ(store.getInt("Numbers", "bad", 5), 5);
  EXPECT_EQ(store.getInt("Numbers", "empty", 5), 5);
  EXPECT_EQ(store.getInt("Numbers", "negative", 5), -3);
  EXPECT_EQ(store.getString("Numbers", "empty", "x"), "");
}

TEST(IniSettingsStore, DefaultFileFollowsXdgConfigHome) {
  const char* saved = std::getenv("XDG_CONFIG_HOME");
  std::string restore = saved != nullptr ? saved : "";
  ::setenv("XDG_CONFIG_HOME", "/config", 1);
  EXPECT_EQ(IniSettingsStore::defaultFile(), "/config/Quorvex Software/Quorvex.ini");
  ::setenv("XDG_CONFIG_HOME", "", 1);
  const char* home = std::getenv("HOME");
  EXPECT_EQ(IniSettingsStore::defaultFile(),
            std::filesystem::path(home != nullptr ? home : ".") / ".config" /
                "Quorvex Software" / "Quorvex.ini");
  if (saved != nullptr) {
    ::setenv("XDG_CONFIG_HOME", restore.c_str(), 1);
  } else {
    ::unsetenv("XDG_CONFIG_HOME");
  }
}

}  // namespace
}  // namespace quorvex
