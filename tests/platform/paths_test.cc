#include "platform/paths.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace quorvex {
namespace {

using testing::TempDir;

TEST(Paths, BackslashesBecomeSlashesAtTheFileSystem) {
  EXPECT_EQ(nativePath("Images\\Other\\cart.gif"), std::filesystem::path("Images/Other/cart.gif"));
  EXPECT_EQ(nativePath("plain"), std::filesystem::path("plain"));
}

TEST(Paths, CaseInsensitiveLookupPrefersTheExactName) {
  TempDir dir;
  dir.write("Acme/Pricelist.txt", "x");
  EXPECT_EQ(findCaseInsensitive(dir.path() / "Acme", "PriceList.txt"),
            dir.path() / "Acme" / "Pricelist.txt");
  EXPECT_EQ(findCaseInsensitive(dir.path() / "Acme", "Pricelist.txt"),
            dir.path() / "Acme" / "Pricelist.txt");
  EXPECT_FALSE(findCaseInsensitive(dir.path() / "Acme", "Price.txt"));
  EXPECT_FALSE(findCaseInsensitive(dir.path() / "Missing", "Pricelist.txt"));
}

TEST(Paths, JoinInsideRefusesNamesThatLeaveTheFolder) {
  std::filesystem::path root = "/home/shop";
  EXPECT_EQ(joinInside(root, "Images\\logo.gif"), root / "Images/logo.gif");
  EXPECT_EQ(joinInside(root, "a/b.html"), root / "a/b.html");
  for (const char* bad : {"", "../x", "a/../../x", "..\\x", "/etc/passwd", "\\etc", "C:\\x",
                          "c:x"}) {
    EXPECT_FALSE(joinInside(root, bad)) << bad;
  }
}

}  // namespace
}  // namespace quorvex
