#include <gtest/gtest.h>

#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace quorvex {
namespace {

using testing::readFile;
using testing::runCli;
using testing::TempDir;

class DocumentCommandsTest : public ::testing::Test {
 protected:
  std::string home() const { return (dir_.path() / "home").string(); }
  std::string file(const std::string& name) const { return (dir_.path() / name).string(); }

  TempDir dir_;
};

TEST_F(DocumentCommandsTest, NewDumpLoadRoundTrip) {
  auto made = runCli({"--home", home(), "new", file("Shop.qvx"), "--company", "Caf\u00E9 Noir"});
  ASSERT_EQ(made.exit_status, 0) << made.err;
  auto dumped = runCli({"--home", home(), "dump", file("Shop.qvx")});
  ASSERT_EQ(dumped.exit_status, 0) << dumped.err;
  EXPECT_NE(dumped.out.find("\"m_strCompanyName\": \"Caf\u00E9 Noir\""), std::string::npos);

  dir_.write("shop.json", dumped.out);
  auto loaded = runCli({"--home", home(), "load", file("shop.json"), file("Again.qvx")});
  ASSERT_EQ(loaded.exit_status, 0) << loaded.err;
  EXPECT_EQ(readFile(file("Again.qvx")), readFile(file("Shop.qvx")));
}

TEST_F(DocumentCommandsTest, DamagedDocumentIsRefusedWithOneMessage) {
  ASSERT_EQ(runCli({"--home", home(), "new", file("Shop.qvx")}).exit_status, 0);
  std::string bytes = readFile(file("Shop.qvx"));
  dir_.write("Cut.qvx", bytes.substr(0, bytes.size() / 2));
  auto result = runCli({"--home", home(), "dump", file("Cut.qvx")});
  EXPECT_EQ(result.exit_status, 1);
  EXPECT_TRUE(result.out.empty());
  EXPECT_NE(result.err.find("Cut.qvx is not a valid Quorvex document: expected"), std::string::npos)
      << result.err;
  EXPECT_NE(result.err.find("at byte offset"), std::string::npos);
  EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1);
}

TEST_F(DocumentCommandsTest, LoadRefusesUnknownFieldsAndBadJson) {
  dir_.write("unknown.json", R"({"m_pBusiness": {"class": "CBusiness", "logoColour": 3}})");
  auto unknown = runCli({"--home", home(), "load", file("unknown.json"), file("Out.qvx")});
  EXPECT_EQ(unknown.exit_status, 1);
  EXPECT_NE(unknown.err.find("document.m_pBusiness: unknown field \"logoColour\""),
            std::string::npos)
      << unknown.err;
  dir_.write("broken.json", "{ not json");
  EXPECT_EQ(runCli({"--home", home(), "load", file("broken.json"), file("Out.qvx")}).exit_status, 1);
}

TEST_F(DocumentCommandsTest, UsageErrorsExitWithTwo) {
  EXPECT_EQ(runCli({"--home", home(), "dump"}).exit_status, 2);
  EXPECT_EQ(runCli({"--home", home(), "frobnicate"}).exit_status, 2);
  EXPECT_EQ(runCli({"--bogus"}).exit_status, 2);
  auto help = runCli({"dump", "--help"});
  EXPECT_EQ(help.exit_status, 0);
  EXPECT_NE(help.out.find("Usage: quorvex-cli dump FILE.qvx"), std::string::npos);
}

}  // namespace
}  // namespace quorvex
