#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/run_cli.h"
#include "support/temp_dir.h"

namespace quorvex {
namespace {

using testing::readFile;
using testing::runCli;
using testing::TempDir;
namespace fs = std::filesystem;

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

TEST_F(DocumentCommandsTest, FoldersPipesAndDevicesAreRefusedAsInput) {
  const std::string folder = file("folder.qvx");
  fs::create_directories(folder);
  const std::string fifo = file("fifo.qvx");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  struct Case {
    std::string input;
    std::string message;
  };
  for (const Case& c :
       {Case{folder, folder + " is a folder, not a file."},
        Case{fifo, fifo + " is not a regular file (a device or a pipe)."},
        Case{"/dev/zero", "/dev/zero is not a regular file (a device or a pipe)."}}) {
    for (const std::vector<std::string>& command : {std::vector<std::string>{"dump", c.input},
                                                    {"summary", c.input},
                                                    {"build", c.input},
                                                    {"rename", c.input, "Bolt"},
                                                    {"load", c.input, file("out.qvx")}}) {
      std::vector<std::string> args = {"--home", home()};
      args.insert(args.end(), command.begin(), command.end());
      auto result = runCli(args);
      EXPECT_EQ(result.exit_status, 1) << command[0] << " " << c.input << ": " << result.err;
      EXPECT_NE(result.err.find(c.message), std::string::npos) << command[0] << ": " << result.err;
    }
  }
}

TEST_F(DocumentCommandsTest, LoadRefusesCountsBeyondWhatAPageHolds) {
  for (const char* count : {"2147483647", "100000000", "10001"}) {
    dir_.write(
        "count.json",
        std::string(R"({"m_pGlobalPage": {"class": "CFullPage", "imageCount": )") + count + "}}");
    auto result = runCli({"--home", home(), "load", file("count.json"), file("Out.qvx")});
    EXPECT_EQ(result.exit_status, 1) << count;
    EXPECT_NE(result.err.find("imageCount: expected a count of at most 10000"), std::string::npos)
        << result.err;
  }
}

TEST_F(DocumentCommandsTest, UsageErrorsExitWithTwo) {
  EXPECT_EQ(runCli({"--home", home(), "dump"}).exit_status, 2);
  EXPECT_EQ(runCli({"--home", home(), "frobnicate"}).exit_status, 2);
  EXPECT_EQ(runCli({"--bogus"}).exit_status, 2);
  for (const char* connections : {"0", "9", "two", ""}) {
    const auto publish =
        runCli({"--home", home(), "publish", "Shop.qvx", "--connections", connections});
    EXPECT_EQ(publish.exit_status, 2) << connections;
    EXPECT_NE(publish.err.find("--connections takes a number from 1 to 8"), std::string::npos)
        << publish.err;
  }
  auto help = runCli({"dump", "--help"});
  EXPECT_EQ(help.exit_status, 0);
  EXPECT_NE(help.out.find("Usage: quorvex-cli dump FILE.qvx"), std::string::npos);
}

}  // namespace
}  // namespace quorvex
