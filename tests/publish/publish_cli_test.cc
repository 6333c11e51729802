#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <vector>

#include "company/brenquil_doc.h"
#include "publish/publish_fixture.h"
#include "support/run_cli.h"
#include "support/sample_company.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using testing::PublishFixture;
using testing::installSampleCompany;
using testing::kSampleCompany;
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

  // Puts the sample company into the home, with the test server in its
  // server preferences; returns its document.
  fs::path installSample() {
    CBrenquilDoc doc(env_);
    EXPECT_TRUE(doc.open(installSampleCompany(home_.path())).ok());
    *doc.m_pFtp = preferences_;
    const fs::path document = home_.path() / (std::string(kSampleCompany) + ".qvx");
    EXPECT_TRUE(doc.save(document).ok());
    return document;
  }

  // Every file the server holds, relative to its root, with its time of
  // last change.
  std::map<fs::path, fs::file_time_type> serverFiles() const {
    std::map<fs::path, fs::file_time_type> files;
    for (const auto& entry : fs::recursive_directory_iterator(server_root_.path())) {
      if (!entry.is_regular_file()) continue;
      files[fs::relative(entry.path(), server_root_.path())] = entry.last_write_time();
    }
    return files;
  }

  // Runs the tool's `command` on `document` with `options`; returns its
  // exit status, its stdout in `output` and its stderr in `errors`.
  int cli(const fs::path& document, const std::string& command,
          std::vector<std::string> options = {}) {
    std::vector<std::string> args = {"--home", home_.path().string(), command, document.string()};
    args.insert(args.end(), options.begin(), options.end());
    testing::CliResult result = testing::runCli(args);
    output = result.out;
    errors = result.err;
    return result.exit_status;
  }

  fs::path document_ = home_.path() / "Shop.qvx";
  std::string output;
  std::string errors;
};

TEST_F(PublishCliTest, PublishBuildsTheSiteAndUploadsWhatChanged) {
  const fs::path document = installSample();
  ASSERT_EQ(cli(document, "publish"), 0) << errors;
  EXPECT_NE(errors.find("Finished"), std::string::npos) << errors;
  {
    // Every file of the site build is on its server, as built.
    CBrenquilDoc saved(env_);
    ASSERT_TRUE(saved.open(document).ok());
    EXPECT_GT(saved.m_pWebFileList->entries.size(), 40u);
    for (const CFileEntry& entry : saved.m_pWebFileList->entries) {
      EXPECT_EQ(readFile(onWebServer(entry.remotePath())), expectedOnServer(entry))
          << entry.remoteName;
      EXPECT_FALSE(entry.isChanged(home_.path())) << entry.remoteName;
    }
    for (const CFileEntry& entry : saved.m_pOrderServerFileList->entries) {
      EXPECT_EQ(readFile(onOrderServer(entry.remotePath())), expectedOnServer(entry))
          << entry.remoteName;
    }
    EXPECT_TRUE(fs::exists(onOrderServer("products.txt")));
  }

  // Built again without a change, nothing needs to go up.
  EXPECT_EQ(cli(document, "publish"), 0) << errors;
  EXPECT_NE(errors.find("There are no files to upload, as nothing has changed since the last "
                        "upload.\nIf you wish to re-upload your entire site, run publish with "
                        "--all."),
            std::string::npos)
      << errors;

  // A new price changes the shop page and the order server's price list and
  // order data only.
  const fs::path priceList = home_.path() / kSampleCompany / "PriceList.txt";
  std::string rows = readFile(priceList);
  const size_t price = rows.find("\"189.00\"");
  ASSERT_NE(price, std::string::npos);
  rows.replace(price, 8, "\"179.00\"");
  home_.write(fs::relative(priceList, home_.path()).string(), rows);
  // A dry run lists what would go up, and what the servers lack or hold
  // otherwise than recorded, and changes nothing there.
  fs::remove(onWebServer("index.html"));
  home_.write(fs::relative(onOrderServer("order.html"), home_.path()).string(), "changed");
  const std::map<fs::path, fs::file_time_type> tampered = serverFiles();
  EXPECT_EQ(cli(document, "publish", {"--dry-run"}), 0) << errors;
  EXPECT_NE(output.find("Would upload:\n  products.txt\n  orderdata.json\n  shop.html\n"
                        "Not on the server (publish --all sends them again):\n  index.html\n"
                        "On the server with another size (publish --all sends them again):\n"
                        "  order.html\n"),
            std::string::npos)
      << output;
  EXPECT_NE(output.find(", of which 1 not on the server and 1 different there. Nothing was "
                        "sent.\n"),
            std::string::npos)
      << output;
  EXPECT_EQ(serverFiles(), tampered);
  EXPECT_EQ(cli(document, "publish", {"--list"}), 0) << errors;
  EXPECT_NE(output.find("Uploaded:\n  products.txt\n  orderdata.json\n  shop.html\n"),
            std::string::npos)
      << output;
  EXPECT_NE(output.find("Published: 3 uploaded, 0 deleted, "), std::string::npos) << output;
  const std::map<fs::path, fs::file_time_type> after = serverFiles();
  std::vector<std::string> uploaded;
  for (const auto& [file, time] : after) {
    if (!tampered.contains(file) || tampered.at(file) != time) uploaded.push_back(file.string());
  }
  EXPECT_EQ(uploaded, (std::vector<std::string>{"orders/orderdata.json", "orders/products.txt",
                                                "web/shop.html"}));
  EXPECT_NE(readFile(onWebServer("shop.html")).find("179.00"), std::string::npos);
}

TEST_F(PublishCliTest, AnythingLeftUndoneFailsThePublishAfterYesToo) {
  const fs::path document = installSample();
  // The server refuses to store shop.html: a folder holds its place.
  fs::create_directories(onWebServer("shop.html"));
  testing::CliResult result = testing::runCli(
      {"--home", home_.path().string(), "--yes", "publish", document.string()});
  EXPECT_EQ(result.exit_status, 1) << result.err;
  EXPECT_NE(result.err.find("1 file was not uploaded or deleted as the site needs: shop.html"),
            std::string::npos)
      << result.err;
  EXPECT_TRUE(fs::exists(onWebServer("index.html")));
}

TEST_F(PublishCliTest, PublishStopsWhereTheBuildOrTheServerRefuses) {
  // A company without pages cannot be built, so nothing is uploaded.
  saveDocument();
  EXPECT_EQ(cli(document_, "publish"), 1);
  EXPECT_NE(errors.find("you must choose a site and define its pages"), std::string::npos)
      << errors;

  preferences_.ftpPassword = "guess";
  const fs::path document = installSample();
  EXPECT_EQ(cli(document, "publish"), 1);
  EXPECT_NE(errors.find("The password you specified was not accepted by 127.0.0.1."),
            std::string::npos)
      << errors;
  EXPECT_FALSE(fs::exists(onWebServer("index.html")));
  // A dry run logs in too.
  EXPECT_EQ(cli(document, "publish", {"--dry-run"}), 1);
  EXPECT_NE(errors.find("The password you specified was not accepted by 127.0.0.1."),
            std::string::npos)
      << errors;
  EXPECT_EQ(cli(document, "publish", {"extra"}), 2);
}

// Each case runs fetch-logs after the order server logged `logged` (or
// nothing); a download that finds nothing new is no failure.
TEST_F(PublishCliTest, FetchLogsExitsWithZeroUnlessItFails) {
  preferences_.vendorId = "merchant";
  preferences_.vendorPassword = "secretpa";
  saveDocument();
  fs::create_directories(onOrderServer(".logFile"));
  const std::string appended = "Appended the new sales log entries to the .csv files in " +
                               (home_.path() / "Shop").string() + ".\n";
  struct Case {
    const char* what;
    std::string logged;
    std::vector<std::string> options;
    int status;
    std::string out;
    std::string err;
  };
  const std::vector<Case> cases = {
      {"new entries", "first", {}, 0, appended, ""},
      {"nothing new", "", {}, 0, "No new sales log entries.\n", ""},
      {"new entries, quiet", "second", {"--quiet"}, 0, "", ""},
      {"nothing new, quiet", "", {"--quiet"}, 0, "", ""},
      {"refused password", "third", {"--quiet"}, 1, "",
       "The Quorvex password you specified was not accepted."},
      {"wrong arguments", "", {"extra"}, 2, "", "expected one FILE.qvx"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (const char* log : {"header", "items", "payment", "misc"}) {
      if (c.logged.empty()) continue;
      home_.write("entry", c.logged + " " + log + "\n");
      fs::copy_file(home_.path() / "entry", onOrderServer(std::string(".logFile/") + log + ".dat"),
                    fs::copy_options::overwrite_existing);
    }
    if (c.status == 1) {
      preferences_.vendorPassword = "guessed";
      saveDocument();
    }
    EXPECT_EQ(cli(document_, "fetch-logs", c.options), c.status) << errors;
    EXPECT_EQ(output, c.out);
    if (c.err.empty()) {
      EXPECT_EQ(errors, "");
    } else {
      EXPECT_NE(errors.find(c.err), std::string::npos) << errors;
    }
  }
  // The refused download left its entries on the server.
  EXPECT_EQ(readFile(home_.path() / "Shop" / "payment.csv"), "first payment\r\nsecond payment\r\n");
  EXPECT_TRUE(fs::exists(onOrderServer(".logFile/payment.dat")));
}

}  // namespace
}  // namespace quorvex
