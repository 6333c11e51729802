#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "document/brenquil_doc.h"
#include "publish/publish_fixture.h"
#include "support/run_cli.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using testing::PublishFixture;
using testing::readFile;

// quorvex-cli publish and fetch-logs on a saved company document, against
// the test server as web and order server.
class PublishCliTest : public PublishFixture {
 protected:
  void SetUp() override {
    PublishFixture::SetUp();
    ::setenv("QUORVEX_ORDER_SERVER", server_.host().c_str(), 1);
    // Keeps the user's own settings out of the test.
    ::setenv("XDG_CONFIG_HOME", home_.path().c_str(), 1);
  }
  void TearDown() override {
    ::unsetenv("QUORVEX_ORDER_SERVER");
    ::unsetenv("XDG_CONFIG_HOME");
  }

  void saveDocument() {
    CBrenquilDoc doc(env_);
    doc.m_strCompanyName = "Shop";
    *doc.m_pFtp = preferences_;
    *doc.m_pWebFileList = web_files_;
    *doc.m_pOrderServerFileList = order_files_;
    ASSERT_TRUE(doc.save(document_).ok());
  }

  // Runs the tool's `command` on the document with `options`; returns its
  // exit status, its stderr in `errors`.
  int cli(const std::string& command, std::vector<std::string> options = {}) {
    std::vector<std::string> args = {"--home", home_.path().string(), command, document_.string()};
    args.insert(args.end(), options.begin(), options.end());
    testing::CliResult result = testing::runCli(args);
    errors = result.err;
    return result.exit_status;
  }

  fs::path document_ = home_.path() / "Shop.qvx";
  std::string errors;
};

TEST_F(PublishCliTest, PublishUploadsAndSavesWhatWasUploaded) {
  addFile(web_files_, "index.html", "", "home\r\n");
  addFile(order_files_, "order.html", "", "order\r\n");
  saveDocument();
  EXPECT_EQ(cli("publish"), 0) << errors;
  EXPECT_EQ(readFile(onWebServer("index.html")), "home\n");
  EXPECT_EQ(readFile(onOrderServer("order.html")), "order\n");
  EXPECT_NE(errors.find("Finished"), std::string::npos) << errors;

  CBrenquilDoc saved(env_);
  ASSERT_TRUE(saved.open(document_).ok());
  ASSERT_EQ(saved.m_pWebFileList->entries.size(), 1u);
  EXPECT_FALSE(saved.m_pWebFileList->entries[0].isChanged(home_.path()));

  EXPECT_EQ(cli("publish"), 0) << errors;
  EXPECT_NE(errors.find("There are no files to upload"), std::string::npos) << errors;

  fs::remove(onWebServer("index.html"));
  EXPECT_EQ(cli("publish", {"--all"}), 0) << errors;
  EXPECT_EQ(readFile(onWebServer("index.html")), "home\n");
}

TEST_F(PublishCliTest, AFailedRunEndsWithStatusOne) {
  addFile(web_files_, "index.html", "", "home\r\n");
  preferences_.ftpPassword = "guess";
  saveDocument();
  EXPECT_EQ(cli("publish"), 1);
  EXPECT_NE(errors.find("The password you specified was not accepted by 127.0.0.1."),
            std::string::npos)
      << errors;
  EXPECT_EQ(cli("publish", {"extra"}), 2);
}

TEST_F(PublishCliTest, FetchLogsAppendsToTheSiteFolder) {
  preferences_.vendorId = "merchant";
  preferences_.vendorPassword = "secretpa";
  saveDocument();
  fs::create_directories(onOrderServer(".logFile"));
  for (const char* log : {"header", "items", "payment", "misc"}) {
    home_.write("entry", std::string(log) + " entry\n");
    fs::copy_file(home_.path() / "entry", onOrderServer(std::string(".logFile/") + log + ".dat"));
  }
  EXPECT_EQ(cli("fetch-logs"), 0) << errors;
  EXPECT_EQ(readFile(home_.path() / "Shop" / "payment.csv"), "payment entry\r\n");
  EXPECT_NE(errors.find("The sales logs have been appended"), std::string::npos) << errors;
  // The order server has nothing more to give.
  fs::remove_all(onOrderServer(".logFile"));
  EXPECT_EQ(cli("fetch-logs"), 1);
  EXPECT_NE(errors.find("No new sales log entries"), std::string::npos) << errors;
}

}  // namespace
}  // namespace quorvex
