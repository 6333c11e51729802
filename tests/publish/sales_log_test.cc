#include <gtest/gtest.h>

#include "publish/publish_fixture.h"
#include "publish/sales_log_download.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using testing::PublishFixture;
using testing::readFile;

constexpr SalesLogOutcome kAppended = SalesLogOutcome::kAppended;
constexpr SalesLogOutcome kNothingNew = SalesLogOutcome::kNothingNew;
constexpr SalesLogOutcome kFailed = SalesLogOutcome::kFailed;

// The order server's account (merchant) with its log folder, and the
// company "Shop" whose site folder keeps the .csv logs.
class SalesLogTest : public PublishFixture {
 protected:
  SalesLogTest() {
    preferences_.vendorId = "merchant";
    preferences_.vendorPassword = "secretpa";
  }

  // Entries the order server logged since the last download.
  void logOnServer(const std::string& log, const std::string& lines) {
    fs::create_directories(onOrderServer(".logFile"));
    home_.write("server.tmp", lines);
    fs::copy_file(home_.path() / "server.tmp", onOrderServer(".logFile/" + log + ".dat"),
                  fs::copy_options::overwrite_existing);
  }

  SalesLogOutcome download() {
    SalesLogSettings settings = SalesLogSettings::fromPreferences(
        preferences_, server_.host(), home_.path() / "Shop");
    return downloadSalesLogs(settings, env_);
  }

  std::string csv(const std::string& log) { return readFile(home_.path() / "Shop" / (log + ".csv")); }
};

TEST_F(SalesLogTest, NewEntriesAreAppendedToTheFourLogs) {
  logOnServer("header", "1001,Smith\n1002,Jones\n");
  logOnServer("items", "1001,widget,2\n");
  logOnServer("payment", "1001,Visa\n");
  logOnServer("misc", "");
  home_.write("Shop/header.csv", "1000,Old\r\n999,Older");
  home_.write("Shop/misc.csv", "kept\r\n");

  EXPECT_EQ(download(), kAppended);
  EXPECT_TRUE(prompter_.texts().empty());
  // Every line ends with CR LF, the old last line too.
  EXPECT_EQ(csv("header"), "1000,Old\r\n999,Older\r\n1001,Smith\r\n1002,Jones\r\n");
  EXPECT_EQ(csv("items"), "1001,widget,2\r\n");
  EXPECT_EQ(csv("payment"), "1001,Visa\r\n");
  // A log without lines leaves its file alone.
  EXPECT_EQ(csv("misc"), "kept\r\n");
  // Appended entries leave no copy behind, on the server or here.
  for (const char* log : {"header", "items", "payment", "misc"}) {
    EXPECT_FALSE(fs::exists(onOrderServer(std::string(".logFile/") + log + ".dat"))) << log;
    EXPECT_FALSE(fs::exists(onOrderServer(std::string(".logFile/") + log + ".bak"))) << log;
    EXPECT_FALSE(fs::exists(home_.path() / (std::string(log) + ".dat"))) << log;
  }

  // The next download fetches only what was logged since.
  logOnServer("header", "1003,Brown\n");
  logOnServer("items", "1003,gadget,1\n");
  logOnServer("payment", "1003,Cash\n");
  logOnServer("misc", "note\n");
  prompter_.clear();
  EXPECT_EQ(download(), kAppended);
  EXPECT_EQ(csv("header"), "1000,Old\r\n999,Older\r\n1001,Smith\r\n1002,Jones\r\n1003,Brown\r\n");
  EXPECT_EQ(csv("items"), "1001,widget,2\r\n1003,gadget,1\r\n");
  EXPECT_EQ(csv("misc"), "kept\r\nnote\r\n");

  // Nothing logged since: nothing is appended a second time, and that is no
  // failure.
  prompter_.clear();
  EXPECT_EQ(download(), kNothingNew);
  EXPECT_TRUE(prompter_.texts().empty());
  EXPECT_EQ(csv("items"), "1001,widget,2\r\n1003,gadget,1\r\n");
}

TEST_F(SalesLogTest, NothingToFetchLeavesTheLogsAlone) {
  fs::create_directories(onOrderServer(".logFile"));
  home_.write("Shop/header.csv", "1000,Old\r\n");
  EXPECT_EQ(download(), kNothingNew);
  EXPECT_TRUE(prompter_.prompts().empty());
  EXPECT_EQ(csv("header"), "1000,Old\r\n");

  // A log with nothing new is passed over; the others are appended.
  logOnServer("header", "1001,Smith\n");
  logOnServer("items", "1001,widget,2\n");
  prompter_.clear();
  EXPECT_EQ(download(), kAppended);
  EXPECT_EQ(csv("header"), "1000,Old\r\n1001,Smith\r\n");
  EXPECT_EQ(csv("items"), "1001,widget,2\r\n");
  EXPECT_FALSE(fs::exists(home_.path() / "Shop" / "payment.csv"));
}

TEST_F(SalesLogTest, TheAccountIsUsedAsEntered) {
  logOnServer("header", "1001,Smith\n");
  // Publishing would cut and lower this; the download does not.
  preferences_.vendorId = "MERCHANT42";
  EXPECT_EQ(download(), kFailed);
  preferences_.vendorId = "merchant";
  preferences_.vendorPassword = "SECRETPA";
  EXPECT_EQ(download(), kFailed);
  EXPECT_EQ(prompter_.texts(),
            (std::vector<std::string>{
                "Could not connect you to the Quorvex Software server.\n"
                "Please check that the Quorvex ID you specified was typed correctly.",
                "The Quorvex password you specified was not accepted.\n"
                "Please retype it and try again."}));
  EXPECT_TRUE(fs::exists(onOrderServer(".logFile/header.dat")));
}

TEST_F(SalesLogTest, EntriesThatCannotBeAppendedStayOnTheServerUntilTheyAre) {
  for (const char* log : {"header", "items", "payment", "misc"}) logOnServer(log, "line\n");
  // header.csv cannot be written: a folder stands in its way.
  fs::create_directories(home_.path() / "Shop" / "header.csv");
  EXPECT_EQ(download(), kFailed);
  std::vector<std::string> texts = prompter_.texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_TRUE(texts[0].starts_with("FILE ERROR: ")) << texts[0];
  EXPECT_EQ(texts[1],
            "Some sales log entries could not be appended to your local log files.\nThey stay "
            "on the server and are fetched again by the next download.");
  EXPECT_EQ(csv("items"), "line\r\n");
  EXPECT_EQ(csv("misc"), "line\r\n");

  // The next download appends them first, then what was logged since.
  fs::remove(home_.path() / "Shop" / "header.csv");
  logOnServer("header", "later\n");
  prompter_.clear();
  EXPECT_EQ(download(), kAppended);
  EXPECT_TRUE(prompter_.texts().empty());
  EXPECT_EQ(csv("header"), "line\r\nlater\r\n");
  EXPECT_EQ(csv("items"), "line\r\n");
}

}  // namespace
}  // namespace quorvex
