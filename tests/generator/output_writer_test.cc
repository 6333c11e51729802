#include "generator/output_writer.h"

#include <gtest/gtest.h>

#include "platform/scripted_prompter.h"
#include "support/temp_dir.h"

namespace quorvex {
namespace {

using testing::readFile;
using testing::TempDir;

TEST(OutputWriter, WritesLineFeedsAsCrLfAndNothingElseChanges) {
  TempDir dir;
  ScriptedPrompter prompter;
  OutputWriter writer(prompter);
  std::optional<std::filesystem::path> written = writer.write(dir.path(), "a.html", "x\ny\r\n\xE9");
  ASSERT_TRUE(written);
  EXPECT_EQ(*written, dir.path() / "a.html");
  EXPECT_EQ(readFile(*written), "x\r\ny\r\r\n\xE9");
  // A second write truncates.
  writer.write(dir.path(), "a.html", "z");
  EXPECT_EQ(readFile(dir.path() / "a.html"), "z");
  EXPECT_TRUE(prompter.texts().empty());
}

TEST(OutputWriter, FileErrorsAreShownAndNamesStayInsideTheFolder) {
  TempDir dir;
  ScriptedPrompter prompter;
  OutputWriter writer(prompter);
  EXPECT_FALSE(writer.write(dir.path() / "missing", "a.html", "x"));
  EXPECT_FALSE(writer.write(dir.path() / "site", "../escaped.html", "x"));
  EXPECT_FALSE(writer.write(dir.path() / "site", "/tmp/escaped.html", "x"));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "escaped.html"));
  std::vector<std::string> texts = prompter.texts();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0],
            "FILE ERROR: No such file or directory: " + (dir.path() / "missing/a.html").string());
  for (const std::string& text : texts) EXPECT_TRUE(text.starts_with("FILE ERROR: ")) << text;
}

}  // namespace
}  // namespace quorvex
