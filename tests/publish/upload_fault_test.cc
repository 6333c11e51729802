#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

#include "publish/file_checksum.h"
#include "publish/publish_fixture.h"
#include "support/cutting_proxy.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using testing::CuttingProxy;
using testing::PublishFixture;
using testing::readFile;

// One file of the simulated site.
struct SiteFile {
  std::string name;
  std::string folder;
  bool binary;
  bool orderServer;
  bool present = true;
  std::string content;
};

// Uploads through a proxy that cuts every connection at a random byte, then
// checks that the lists claim nothing the server does not hold, and that the
// next Go without faults brings the server exactly in line with the site.
class UploadFaultTest : public PublishFixture {
 protected:

  std::string randomContent(bool binary) {
    std::uniform_int_distribution<int> size(0, 40000);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string content(static_cast<size_t>(size(random_)), '\0');
    for (char& c : content) c = static_cast<char>(byte(random_));
    if (!binary) {
      // Printable lines with CR LF ends.
      for (size_t i = 0; i < content.size(); ++i) {
        content[i] = static_cast<char>('a' + static_cast<unsigned char>(content[i]) % 26);
        if (i % 60 == 58 && i + 1 < content.size()) {
          content[i] = '\r';
          content[++i] = '\n';
        }
      }
    }
    return content;
  }

  void makeSite(int files) {
    const char* folders[] = {"", "Images", "softgoods"};
    for (int i = 0; i < files; ++i) {
      bool binary = i % 3 == 1;
      site_.push_back({"page" + std::to_string(i) + (binary ? ".gif" : ".html"), folders[i % 3],
                       binary, i % 6 == 5, true, randomContent(binary)});
    }
  }

  // What a site build does: every file present is written and entered, the
  // rest marked unused; unused files never uploaded leave the lists.
  void buildSite() {
    web_files_.markAllUnused();
    order_files_.markAllUnused();
    for (const SiteFile& file : site_) {
      if (file.present) {
        addFile(file.orderServer ? order_files_ : web_files_, file.name, file.folder,
                file.content, file.binary);
      }
    }
    web_files_.removeUnused(home_.path(), home_.path() / "Shop");
    order_files_.removeUnused(home_.path(), home_.path() / "Shop");
  }

  void changeSomeFiles() {
    std::bernoulli_distribution rewrite(0.35);
    std::bernoulli_distribution toggle(0.12);
    for (SiteFile& file : site_) {
      if (rewrite(random_)) file.content = randomContent(file.binary);
      if (toggle(random_)) file.present = !file.present;
    }
  }

  // An upper bound of the bytes the next run sends and receives.
  long pendingBytes() {
    long bytes = 2000;
    for (CFileList* list : {&web_files_, &order_files_}) {
      for (const CFileEntry& entry : list->entries) {
        if (entry.isChanged(home_.path()) || entry.isToDelete()) {
          bytes += 400 + static_cast<long>(readFile(entry.localPath(home_.path())).size());
        }
      }
    }
    return bytes;
  }

  fs::path serverPath(const CFileEntry& entry, bool orderServer) const {
    std::string path =
        entry.remoteFolder.empty() ? entry.remoteName : entry.remoteFolder + "/" + entry.remoteName;
    return orderServer ? onOrderServer(path) : onWebServer(path);
  }

  // Every entry recorded as uploaded with the local file's current content
  // is on the server with exactly that content, and none recorded as deleted
  // is there.
  void expectNoFalseClaims(int trial) {
    for (bool order : {false, true}) {
      for (const CFileEntry& entry : (order ? order_files_ : web_files_).entries) {
        if (entry.inUse == 1 && entry.publishedCrc != 0 && !entry.isChanged(home_.path())) {
          EXPECT_EQ(readFile(serverPath(entry, order)), expectedOnServer(entry))
              << "trial " << trial << ": " << entry.remoteFolder << "/" << entry.remoteName;
        } else if (entry.inUse == 0 && entry.publishedCrc == 0) {
          // Recorded as deleted (or never sent): not on the server.
          EXPECT_FALSE(fs::exists(serverPath(entry, order)))
              << "trial " << trial << ": " << entry.remoteFolder << "/" << entry.remoteName;
        }
      }
    }
  }

  static std::set<std::string> filesBelow(const fs::path& folder) {
    std::set<std::string> files;
    for (const auto& item : fs::recursive_directory_iterator(folder)) {
      if (item.is_regular_file()) files.insert(item.path().lexically_relative(folder).string());
    }
    return files;
  }

  // The server holds exactly the site's files, each with its content, and
  // nothing is left to send or delete.
  void expectConverged(int trial) {
    for (bool order : {false, true}) {
      std::set<std::string> expected;
      for (const CFileEntry& entry : (order ? order_files_ : web_files_).entries) {
        EXPECT_FALSE(entry.isChanged(home_.path()) || entry.isToDelete())
            << "trial " << trial << ": " << entry.remoteName;
        if (entry.inUse != 1) continue;
        fs::path path = serverPath(entry, order);
        expected.insert(path.lexically_relative(order ? onOrderServer("") : onWebServer(""))
                            .string());
        EXPECT_EQ(readFile(path), expectedOnServer(entry)) << "trial " << trial << ": " << path;
      }
      EXPECT_EQ(filesBelow(order ? onOrderServer("") : onWebServer("")), expected)
          << "trial " << trial;
    }
  }

  // Runs `trials` cut uploads of a site of `files` files, each followed by
  // an uncut one.
  void runTrials(int files, int trials) {
    CuttingProxy proxy(server_.port());
    ASSERT_NE(proxy.port(), 0);
    preferences_.ftpHost = proxy.host();
    makeSite(files);
    buildSite();
    int cuts = 0;
    for (int trial = 0; trial < trials; ++trial) {
      changeSomeFiles();
      buildSite();
      std::uniform_int_distribution<long> cut_at(0, pendingBytes());
      proxy.cutAfter(cut_at(random_));
      prompter_.clear();
      std::bernoulli_distribution yes(0.5);
      prompter_.queueAnswers({yes(random_), yes(random_), yes(random_), yes(random_)});
      UploadSettings through_proxy = settings();
      through_proxy.orderServerHost = proxy.host();
      {
        PublishModel model(through_proxy, web_files_, order_files_, env_);
        pressAndWait(model, false);
      }
      if (proxy.wasCut()) ++cuts;
      expectNoFalseClaims(trial);

      proxy.cutAfter(1L << 40);
      prompter_.clear();
      PublishModel model(through_proxy, web_files_, order_files_, env_);
      pressAndWait(model, false);
      EXPECT_TRUE(model.statusText() == "Finished" || model.statusText() == "Nothing to upload")
          << "trial " << trial << ": " << model.statusText();
      expectConverged(trial);
      if (HasFailure()) break;
    }
    // Most trials must really have been cut for the test to mean something.
    EXPECT_GE(cuts, trials / 2);
    std::printf("[ fault    ] %d files, %d trials, %d cut\n", files, trials, cuts);
  }

  std::mt19937 random_{20261209};
  std::vector<SiteFile> site_;
};

TEST_F(UploadFaultTest, CutConnectionsNeverLeaveFalseClaimsAndTheNextGoConverges) {
  runTrials(18, 60);
}

// Enough files that a stage shares them among several connections (one for
// every eight waiting), all of which the proxy cuts at once.
TEST_F(UploadFaultTest, CutParallelConnectionsNeverLeaveFalseClaims) {
  runTrials(60, 12);
}

}  // namespace
}  // namespace quorvex
