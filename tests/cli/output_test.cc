// What quorvex-cli prints around its work: the version, the summary line of
// a change, the valid names after a wrong one, and the refusal of a question
// it cannot ask.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace quorvex {
namespace {

using testing::CliResult;
using testing::TempDir;

class CliOutputTest : public ::testing::Test {
 protected:
  CliResult cli(std::vector<std::string> args) {
    args.insert(args.begin(), {"--home", (dir_.path() / "home").string()});
    return testing::runCli(args);
  }
  std::string file(const std::string& name) const { return (dir_.path() / name).string(); }

  TempDir dir_;
};

TEST_F(CliOutputTest, VersionAndQuietSummary) {
  CliResult version = cli({"--version"});
  EXPECT_EQ(version.exit_status, 0);
  EXPECT_TRUE(version.out.starts_with("quorvex-cli ")) << version.out;

  CliResult made = cli({"new", file("Shop.qvx"), "--company", "Bakery"});
  ASSERT_EQ(made.exit_status, 0) << made.err;
  EXPECT_EQ(made.out, "Created " + file("Shop.qvx") + " for the company Bakery.\n");
  CliResult quiet = cli({"new", file("Shop.qvx"), "--force", "--quiet"});
  EXPECT_EQ(quiet.exit_status, 0) << quiet.err;
  EXPECT_EQ(quiet.out, "");
}

TEST_F(CliOutputTest, WrongNamesListTheValidOnesAndCaseDoesNotMatter) {
  ASSERT_EQ(cli({"new", file("Shop.qvx"), "--company", "Bakery"}).exit_status, 0);
  struct Case {
    std::vector<std::string> args;
    std::string expected;
  };
  const std::vector<Case> wrong = {
      {{"dmp"}, "there is no command \"dmp\"; did you mean \"dump\"?"},
      {{"set-site", file("Shop.qvx"), "Basic comerce web site"},
       "did you mean \"Basic commerce web site\"?"},
      {{"set-style", file("Shop.qvx"), "Harbor"}, "\n  Harbour\n"},
  };
  ASSERT_EQ(cli({"set-site", file("Shop.qvx"), "BASIC COMMERCE WEB SITE"}).exit_status, 0);
  for (const Case& c : wrong) {
    CliResult result = cli(c.args);
    EXPECT_EQ(result.exit_status, 2) << c.args[0];
    EXPECT_NE(result.err.find(c.expected), std::string::npos) << result.err;
  }
  CliResult style = cli({"set-style", file("Shop.qvx"), "harbour"});
  EXPECT_EQ(style.exit_status, 0) << style.err;
  EXPECT_EQ(style.out, "Style set to Harbour.\n");
}

TEST_F(CliOutputTest, AQuestionWithoutTerminalOrAnswerIsAUsageError) {
  ASSERT_EQ(cli({"new", file("Shop.qvx"), "--company", "Bakery"}).exit_status, 0);
  ASSERT_EQ(cli({"create-products", file("Shop.qvx")}).exit_status, 0);
  dir_.write("p.csv", "A1,Bread,2.50\n");
  const std::vector<std::string> import = {"import",  file("Shop.qvx"), file("p.csv"),
                                           "--label", "1=Part Number",  "--label",
                                           "2=Description", "--label", "3=Price"};
  CliResult unanswered = cli(import);
  EXPECT_EQ(unanswered.exit_status, 2);
  EXPECT_NE(unanswered.err.find("answer it with --yes, --no or --answers"), std::string::npos)
      << unanswered.err;
  EXPECT_EQ(unanswered.out, "");
}

TEST_F(CliOutputTest, ImportCountsColumnsFromOneWarnsOfAHeaderAndSummarises) {
  ASSERT_EQ(cli({"new", file("Shop.qvx"), "--company", "Bakery"}).exit_status, 0);
  dir_.write("p.csv",
             "Part,Name,Price,Category\nA1,Bread,2.50,Loaves\nA2,Roll,0.50,Rolls\n"
             "A3,Cake,cheap,Cakes\nA4,Bun,0.80,Rolls\n");
  CliResult result = cli({"import", file("Shop.qvx"), file("p.csv"), "--label", "1=part number",
                          "--label", "2=Description", "--label", "3=PRICE", "--label",
                          "4=Category"});
  ASSERT_EQ(result.exit_status, 0) << result.err;
  EXPECT_NE(result.err.find("Row 1 looks like a header, not a product; if it is one, import "
                            "with --start-row 2."),
            std::string::npos)
      << result.err;
  EXPECT_EQ(result.out, "Imported 3 products in 2 categories. 2 rows not imported.\n");
  CliResult beyond = cli({"import", file("Shop.qvx"), file("p.csv"), "--yes", "--start-row", "2",
                          "--label", "1=Part Number", "--label", "2=Description", "--label",
                          "5=Price"});
  EXPECT_EQ(beyond.exit_status, 1);
  EXPECT_NE(beyond.err.find("the file has no column 5 (its first row has 4)"), std::string::npos)
      << beyond.err;
}

}  // namespace
}  // namespace quorvex
