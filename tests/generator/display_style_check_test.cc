#include <filesystem>
#include <gtest/gtest.h>
#include <string>

#include "generator/display_code.h"
#include "generator/display_style_check.h"
#include "platform/home.h"
#include "platform/text_file.h"
#include "site/product_page.h"
#include "support/temp_dir.h"

namespace quorvex::testing {
namespace {

namespace fs = std::filesystem;

constexpr char kHead[] = "<!--HEAD_BEGIN-->h<!--HEAD_END-->";
constexpr char kProduct[] = "<!--PRODUCT_BEGIN-->p<!--PRODUCT_END-->";
constexpr char kFoot[] = "<!--FOOT_BEGIN-->f<!--FOOT_END-->";

std::string body(const std::string& blocks) { return "<html><body>" + blocks + "</body></html>"; }

TEST(DisplayStyleCheckTest, ProperlyFormattedStyles) {
  EXPECT_TRUE(checkDisplayStyleText(body(kProduct)));
  EXPECT_TRUE(checkDisplayStyleText(body(std::string(kHead) + kProduct + kFoot)));
  // Case is ignored; a text without a body tag counts from its start.
  EXPECT_TRUE(checkDisplayStyleText("<!--product_begin--><!--Product_End-->"));
  // An incomplete block only matters for the blocks after it.
  EXPECT_TRUE(checkDisplayStyleText(body(std::string(kProduct) + "<!--HEAD_END-->")));
}

TEST(DisplayStyleCheckTest, BadlyFormattedStyles) {
  EXPECT_FALSE(checkDisplayStyleText(""));
  EXPECT_FALSE(checkDisplayStyleText(body("<!--PRODUCT_BEGIN-->")));
  EXPECT_FALSE(checkDisplayStyleText(body("<!--PRODUCT_END--><!--PRODUCT_BEGIN-->")));
  // Blocks before the body tag.
  EXPECT_FALSE(checkDisplayStyleText(std::string(kProduct) + "<body>"));
  EXPECT_FALSE(checkDisplayStyleText(kHead + body(kProduct)));
  // A head or foot block without its end, or with the end first.
  EXPECT_FALSE(checkDisplayStyleText(body(std::string("<!--HEAD_BEGIN-->") + kProduct)));
  EXPECT_FALSE(
      checkDisplayStyleText(body(std::string("<!--FOOT_END--><!--FOOT_BEGIN-->") + kProduct)));
  // The foot before the head, the products after the foot.
  EXPECT_FALSE(checkDisplayStyleText(body(std::string(kFoot) + kHead + kProduct)));
  EXPECT_FALSE(checkDisplayStyleText(body(std::string(kFoot) + kProduct)));
}

TEST(DisplayStyleCheckTest, FilesAreReadLineByLine) {
  TempDir dir;
  EXPECT_FALSE(checkDisplayStyle(dir.path() / "missing.html"));
  EXPECT_FALSE(checkDisplayStyle(dir.path()));
  // Markers broken over lines are joined again.
  EXPECT_TRUE(checkDisplayStyle(dir.write("split.html",
                                          "<body>\r\n<!--PRODUCT_\r\nBEGIN--><!--"
                                          "PRODUCT_END\n-->")));
  EXPECT_FALSE(checkDisplayStyle(
      dir.write("huge.html", body(kProduct) + std::string(kMaxTextFileBytes, ' '))));
}

// The installed styles pass the check, yield code for their product blocks
// and hold nothing that would end the script's string literals early.
TEST(DisplayStyleCheckTest, InstalledStylesAreSound) {
  const fs::path data = installedDataDir();
  std::vector<fs::path> styles = {data / "Template Common" / "Display Default.html"};
  for (const fs::directory_entry& entry : fs::directory_iterator(data / "Display Styles")) {
    styles.push_back(entry.path());
  }
  EXPECT_TRUE(fs::exists(data / "Display Styles" / "Display Default.html"));
  EXPECT_GE(styles.size(), 5u);
  for (const fs::path& style : styles) {
    SCOPED_TRACE(style.string());
    EXPECT_TRUE(checkDisplayStyle(style));
    const FileLines file = readFileLines(style, "");
    EXPECT_EQ(file.text.find_first_of("'\\"), std::string::npos);
    const DisplayCode code = translateDisplayStyle(file.text, CProductPage());
    EXPECT_TRUE(code.hasFirstProductBlock);
    EXPECT_FALSE(code.globalDisplayBegin.empty());
    EXPECT_FALSE(code.globalDisplayEnd.empty());
  }
}

}  // namespace
}  // namespace quorvex::testing
