#include "platform/home.h"

#include <cstdlib>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace quorvex {
namespace {

using testing::readFile;
using testing::TempDir;

TEST(Home, FlagThenEnvironmentThenXdgDataHome) {
  ::setenv("QUORVEX_HOME", "/from/env", 1);
  EXPECT_EQ(resolveHome(std::string("/from/flag")), std::filesystem::path("/from/flag"));
  EXPECT_EQ(resolveHome(std::nullopt), std::filesystem::path("/from/env"));
  ::unsetenv("QUORVEX_HOME");
  ::setenv("XDG_DATA_HOME", "/xdg", 1);
  EXPECT_EQ(resolveHome(std::nullopt), std::filesystem::path("/xdg/quorvex"));
  ::unsetenv("XDG_DATA_HOME");
  ::setenv("HOME", "/users/ann", 1);
  EXPECT_EQ(resolveHome(std::nullopt), std::filesystem::path("/users/ann/.local/share/quorvex"));
}

TEST(Home, SeedingCopiesOnlyWhatTheHomeLacks) {
  TempDir data, home_parent;
  data.write("Template Common/shop.html", "installed shop");
  data.write("Site Templates/Basic.stp", "installed");
  std::filesystem::path home = home_parent.path() / "home";
  home_parent.write("home/Template Common/shop.html", "edited by the user");

  ASSERT_TRUE(seedHome(home, data.path()).ok());
  EXPECT_EQ(readFile(home / "Template Common/shop.html"), "edited by the user");
  EXPECT_EQ(readFile(home / "Site Templates/Basic.stp"), "installed");
}

TEST(Home, SeedingFromAMissingDataFolderFails) {
  TempDir home;
  EXPECT_FALSE(seedHome(home.path(), home.path() / "no-data").ok());
}

}  // namespace
}  // namespace quorvex
