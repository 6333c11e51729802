#include <gtest/gtest.h>

#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace quorvex::testing {
namespace {

namespace fs = std::filesystem;

class BuildCommandTest : public ::testing::Test {
 protected:
  CliResult cli(std::vector<std::string> args) {
    args.insert(args.begin(), {"--home", home_.string()});
    return runCli(args);
  }

  TempDir dir_;
  fs::path home_ = dir_.path() / "home";
  std::string doc_ = (dir_.path() / "Acme.qvx").string();
};

TEST_F(BuildCommandTest, BuildsTheSiteSavesTheDocumentAndPrintsTheIndexPage) {
  ASSERT_EQ(cli({"new", doc_, "--company", "Acme"}).exit_status, 0);
  ASSERT_EQ(cli({"--yes", "set-site", doc_, "Informative web site"}).exit_status, 0);
  CliResult built = cli({"build", doc_});
  ASSERT_EQ(built.exit_status, 0) << built.err;
  EXPECT_EQ(built.out, (home_ / "Acme/index.html").string() + "\n");
  EXPECT_TRUE(fs::exists(home_ / "Acme/Home.html"));
  // Not on a terminal, progress comes as plain lines.
  EXPECT_EQ(built.err.find('\r'), std::string::npos) << built.err;
  // The document now records the published files.
  CliResult summary = cli({"dump", doc_});
  EXPECT_NE(summary.out.find("\"remoteName\": \"Home.html\""), std::string::npos);
}

TEST_F(BuildCommandTest, FailuresAndUsageErrors) {
  EXPECT_EQ(cli({"build"}).exit_status, 2);
  EXPECT_EQ(cli({"build", doc_, "--fast"}).exit_status, 2);
  EXPECT_EQ(cli({"build", doc_}).exit_status, 1);

  ASSERT_EQ(cli({"new", doc_, "--company", "Acme"}).exit_status, 0);
  ASSERT_EQ(cli({"--yes", "set-site", doc_, "Basic commerce web site"}).exit_status, 0);
  ASSERT_EQ(cli({"create-products", doc_}).exit_status, 0);
  CliResult built = cli({"build", doc_});
  EXPECT_EQ(built.exit_status, 1);
  EXPECT_NE(built.err.find("I'm sorry, but you must have at least one item in your\nproduct "
                           "database in order to save it."),
            std::string::npos)
      << built.err;
}

}  // namespace
}  // namespace quorvex::testing
