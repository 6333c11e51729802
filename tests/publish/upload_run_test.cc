#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <fstream>
#include <map>
#include <mutex>
#include <set>
#include <thread>

#include "publish/publish_fixture.h"
#include "publish/upload_run.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using testing::entryOf;
using testing::FtpServer;
using testing::PublishFixture;
using testing::readFile;
using testing::TempDir;

// An FTP client that passes everything to the real one and writes down, for
// each operation, what it was and the progress text the run showed then.
class RecordingFtpClient : public FtpClient {
 public:
  RecordingFtpClient(FtpClient& real, const WorkerStatus& status) : real_(real), status_(status) {}

  std::unique_ptr<FtpSession> openSession(const std::optional<FtpProxy>& proxy) override {
    return std::make_unique<Session>(real_.openSession(proxy), *this);
  }

  std::vector<std::string> log;
  // Refuses a second login of a user, as a server limited to one connection
  // per account does.
  bool oneLoginPerUser = false;

 private:
  // Connections of a parallel run write down from several threads.
  void record(std::string line) {
    std::lock_guard<std::mutex> lock(log_mutex_);
    log.push_back(std::move(line));
  }

  class Connection : public FtpConnection {
   public:
    Connection(std::unique_ptr<FtpConnection> real, RecordingFtpClient& client)
        : real_(std::move(real)), client_(client) {}
    FtpReply createFolder(const std::string& name) override {
      client_.record("mkdir " + name);
      return real_->createFolder(name);
    }
    bool changeFolder(const std::string& name) override {
      client_.record("cd " + name);
      return real_->changeFolder(name);
    }
    FtpReply putFile(const fs::path& local, const std::string& remote,
                     FtpTransferMode mode) override {
      client_.record((mode == FtpTransferMode::kAscii ? "put ascii " : "put binary ") +
                            remote + " [" + client_.status_.progressText() + "]");
      return real_->putFile(local, remote, mode);
    }
    FtpReply getFile(const std::string& remote, const fs::path& local,
                     FtpTransferMode mode) override {
      return real_->getFile(remote, local, mode);
    }
    FtpReply listFolder(const std::string& name, std::vector<FtpFolderEntry>* entries) override {
      return real_->listFolder(name, entries);
    }
    FtpReply remove(const std::string& remote) override {
      client_.record("delete " + remote + " [" + client_.status_.progressText() + "]");
      return real_->remove(remote);
    }
    FtpReply rename(const std::string& from, const std::string& to) override {
      return real_->rename(from, to);
    }
    std::string lastErrorText() const override { return real_->lastErrorText(); }

   private:
    std::unique_ptr<FtpConnection> real_;
    RecordingFtpClient& client_;
  };

  class Session : public FtpSession {
   public:
    Session(std::unique_ptr<FtpSession> real, RecordingFtpClient& client)
        : real_(std::move(real)), client_(client) {}
    FtpLogin connect(const FtpServerAddress& server, const std::string& user,
                     const std::string& password, bool passive) override {
      client_.record("connect " + user + (passive ? " passive" : " active"));
      if (client_.oneLoginPerUser && !client_.users_.insert(user).second) {
        return FtpLogin{nullptr, FtpLoginFailure::kOther, "421 Too many connections."};
      }
      FtpLogin login = real_->connect(server, user, password, passive);
      if (login.connection) {
        login.connection = std::make_unique<Connection>(std::move(login.connection), client_);
      }
      return login;
    }

   private:
    std::unique_ptr<FtpSession> real_;
    RecordingFtpClient& client_;
  };

  FtpClient& real_;
  const WorkerStatus& status_;
  std::mutex log_mutex_;
  std::set<std::string> users_;
};

class UploadRunTest : public PublishFixture {
 protected:
  // A small shop: order-processing files for the order server, pages and a
  // picture for the web server.
  void addShop() {
    addFile(order_files_, "order.html", "", "<html>order</html>\r\n");
    addFile(order_files_, "VeriSignSeal.gif", "Images", std::string("GIF\0\r\n", 6), true);
    addFile(order_files_, "index.html", "sgBuyers", "stop\r\n");
    addFile(web_files_, "index.html", "", "<html>home</html>\r\n");
    addFile(web_files_, "shop.html", "", "<html>shop</html>\r\n");
    addFile(web_files_, "logo.gif", "Images", std::string("GIF89a\0\xff", 8), true);
  }

  // Runs the upload run directly, recording what it does on the servers.
  std::vector<std::string> runRecorded(const UploadSettings& settings, WorkerStatus& status,
                                       bool oneLoginPerUser = false) {
    RecordingFtpClient recorder(ftp_client_, status);
    recorder.oneLoginPerUser = oneLoginPerUser;
    Env env(home_.path(), prompter_, &settings_store_, &recorder);
    UploadRun(settings, web_files_, order_files_, env, status).run();
    return recorder.log;
  }

  void expectAllOnServer() {
    for (CFileEntry& entry : order_files_.entries) {
      fs::path path = onOrderServer(entry.remotePath());
      EXPECT_EQ(readFile(path), expectedOnServer(entry)) << path;
      EXPECT_FALSE(entry.isChanged(home_.path())) << path;
    }
    for (CFileEntry& entry : web_files_.entries) {
      fs::path path = onWebServer(entry.remotePath());
      EXPECT_EQ(readFile(path), expectedOnServer(entry)) << path;
      EXPECT_FALSE(entry.isChanged(home_.path())) << path;
    }
  }
};

TEST_F(UploadRunTest, StagesGoInOrderWithTheirProgressTexts) {
  addShop();
  WorkerStatus status;
  std::vector<std::string> log = runRecorded(settings(), status);
  EXPECT_EQ(status.state(), WorkerState::kFinished);
  EXPECT_EQ(status.counter(), 6);
  const std::vector<std::string> expected = {
      // The merchant's account, cut to 8 characters and lowered; without a
      // proxy data connections are active.
      "connect merchant active",
      "put ascii order.html [Now uploading Quorvex Software server file - order.html]",
      "mkdir Images",
      "cd Images",
      "put binary VeriSignSeal.gif [Now uploading Quorvex Software server file - "
      "Images\\VeriSignSeal.gif]",
      "cd ..",
      "mkdir sgBuyers",
      "cd sgBuyers",
      "put ascii index.html [Now uploading Quorvex Software server file - sgBuyers\\index.html]",
      "cd ..",
      "connect webuser active",
      "put ascii index.html [Now uploading - index.html]",
      "put ascii shop.html [Now uploading - shop.html]",
      "mkdir Images",
      "cd Images",
      "put binary logo.gif [Now uploading - Images\\logo.gif]",
      "cd ..",
  };
  EXPECT_EQ(log, expected);
  expectAllOnServer();
  EXPECT_TRUE(prompter_.texts().empty());
}

TEST_F(UploadRunTest, FirstGoThenNothingToUpload) {
  addShop();
  PublishModel model(settings(), web_files_, order_files_, env_);
  EXPECT_EQ(model.goButtonText(), "&GO");
  EXPECT_EQ(model.uploadAllButtonText(), "&Upload All");
  pressAndWait(model, false);
  EXPECT_EQ(model.statusText(), "Finished");
  EXPECT_EQ(model.progressMaximum(), 6);
  EXPECT_EQ(model.progressPosition(), 6);
  EXPECT_EQ(model.goButtonText(), "&Go");
  EXPECT_TRUE(model.controlsEnabled());
  EXPECT_TRUE(prompter_.texts().empty());
  expectAllOnServer();

  // Nothing changed: the message, and no run at all.
  model.go();
  EXPECT_FALSE(model.timerActive());
  EXPECT_EQ(model.statusText(), "Nothing to upload");
  EXPECT_EQ(model.goButtonText(), "&Go");
  EXPECT_TRUE(model.controlsEnabled());
  EXPECT_EQ(prompter_.texts(),
            std::vector<std::string>{
                "There are no files to upload, as nothing has changed since the last upload.\n"
                "If you wish to re-upload your entire site, please click on the \"Upload All\" "
                "button."});
  EXPECT_TRUE(model.accept());
  EXPECT_TRUE(model.closed());
}

TEST_F(UploadRunTest, OnlyChangedFilesAreSentAgain) {
  addShop();
  ASSERT_EQ(publish(), "Finished");
  fs::remove(onWebServer("shop.html"));
  rewrite(entryOf(web_files_, "index.html"), "<html>new home</html>\r\n");
  // Regenerated with the same bytes: not changed.
  rewrite(entryOf(web_files_, "logo.gif", "Images"), std::string("GIF89a\0\xff", 8));
  fs::remove(onWebServer("Images/logo.gif"));

  WorkerStatus status;
  std::vector<std::string> log = runRecorded(settings(), status);
  EXPECT_EQ(status.state(), WorkerState::kFinished);
  EXPECT_EQ(status.counter(), 1);
  EXPECT_EQ(log, (std::vector<std::string>{
                     "connect webuser active",
                     "put ascii index.html [Now uploading - index.html]",
                     "mkdir Images",
                     "cd Images",
                     "cd ..",
                 }));
  EXPECT_EQ(readFile(onWebServer("index.html")), "<html>new home</html>\n");
  EXPECT_FALSE(fs::exists(onWebServer("shop.html")));
  EXPECT_FALSE(fs::exists(onWebServer("Images/logo.gif")));
}

TEST_F(UploadRunTest, DroppedFilesAreDeletedOnTheServer) {
  addShop();
  ASSERT_EQ(publish(), "Finished");
  // The next site build no longer makes shop.html nor the seal.
  web_files_.markAllUnused();
  order_files_.markAllUnused();
  for (CFileEntry entry : web_files_.entries) {
    if (entry.remoteName != "shop.html") {
      web_files_.addFile(home_.path(), entry.sourceFile, entry.localFile, entry.remoteName,
                         entry.remoteFolder, 1, entry.binaryTransfer, entry.rootOnAddOn);
    }
  }
  for (CFileEntry entry : order_files_.entries) {
    if (entry.remoteName != "VeriSignSeal.gif") {
      order_files_.addFile(home_.path(), entry.sourceFile, entry.localFile, entry.remoteName,
                           entry.remoteFolder, 1, entry.binaryTransfer, entry.rootOnAddOn);
    }
  }
  // Someone removed the seal on the server already: still counts as removed.
  fs::remove(onOrderServer("Images/VeriSignSeal.gif"));

  WorkerStatus status;
  std::vector<std::string> log = runRecorded(settings(), status);
  EXPECT_EQ(status.state(), WorkerState::kFinished);
  EXPECT_EQ(log, (std::vector<std::string>{
                     "connect merchant active",
                     "mkdir Images",
                     "cd Images",
                     "delete VeriSignSeal.gif [Now deleting Quorvex Software server file - "
                     "Images\\VeriSignSeal.gif]",
                     "cd ..",
                     "mkdir sgBuyers",
                     "cd sgBuyers",
                     "cd ..",
                     "connect webuser active",
                     "delete shop.html [Now deleting - shop.html]",
                     "mkdir Images",
                     "cd Images",
                     "cd ..",
                 }));
  EXPECT_FALSE(fs::exists(onWebServer("shop.html")));
  EXPECT_TRUE(fs::exists(onWebServer("index.html")));
  EXPECT_EQ(entryOf(web_files_, "shop.html").publishedCrc, 0u);
  EXPECT_EQ(entryOf(order_files_, "VeriSignSeal.gif", "Images").publishedCrc, 0u);

  // The dialog drops the removed entries and their local files.
  PublishModel model(settings(), web_files_, order_files_, env_);
  EXPECT_EQ(web_files_.entries.size(), 2u);
  EXPECT_EQ(order_files_.entries.size(), 2u);
  EXPECT_FALSE(fs::exists(home_.path() / "Shop" / "shop.html"));
}

TEST_F(UploadRunTest, UploadAllSendsEveryCurrentFileAndStillDeletes) {
  addShop();
  ASSERT_EQ(publish(), "Finished");
  fs::remove_all(onWebServer(""));
  fs::remove_all(onOrderServer(""));
  fs::create_directories(onWebServer(""));
  fs::create_directories(onOrderServer(""));
  addFile(web_files_, "gone.html", "", "old\r\n");
  ASSERT_EQ(publish(), "Finished");
  // gone.html is dropped by the next build, then everything is sent again.
  CFileEntry& gone = entryOf(web_files_, "gone.html");
  gone.inUse = 0;
  EXPECT_EQ(publish(true), "Finished");
  EXPECT_FALSE(fs::exists(onWebServer("gone.html")));
  web_files_.removeUnused(home_.path(), home_.path() / "Shop");
  expectAllOnServer();
}

TEST_F(UploadRunTest, AFailedUploadAsksAndIsNotRecordedAsSent) {
  addShop();
  ASSERT_EQ(publish(), "Finished");
  rewrite(entryOf(web_files_, "index.html"), "<html>v2</html>\r\n");
  fs::remove(home_.path() / "Shop" / "shop.html");
  rewrite(entryOf(web_files_, "logo.gif", "Images"), "GIF89a v2");
  prompter_.queueAnswers({true});
  EXPECT_EQ(publish(), "Finished");
  const std::string error =
      "Error uploading file 'shop.html' to 127.0.0.1:\nNo such file or directory";
  ASSERT_EQ(prompter_.prompts().size(), 1u);
  EXPECT_EQ(prompter_.prompts()[0].text, error + "\nDo you want to continue?");
  EXPECT_TRUE(prompter_.prompts()[0].question);
  // The files after the failed one went on.
  EXPECT_EQ(readFile(onWebServer("index.html")), "<html>v2</html>\n");
  EXPECT_EQ(readFile(onWebServer("Images/logo.gif")), "GIF89a v2");
  // The server still has the old shop.html, and the list does not claim
  // otherwise: the file is still to be sent.
  EXPECT_TRUE(entryOf(web_files_, "shop.html").isChanged(home_.path()));

  // Next Go tries again; No ends the run and the error is shown.
  prompter_.clear();
  prompter_.queueAnswers({false});
  EXPECT_EQ(publish(), "Error");
  ASSERT_EQ(prompter_.prompts().size(), 2u);
  EXPECT_EQ(prompter_.prompts()[0].text, error + "\nDo you want to continue?");
  EXPECT_EQ(prompter_.prompts()[1].text, error);
  EXPECT_EQ(prompter_.prompts()[1].icon, PromptIcon::kWarning);
}

TEST_F(UploadRunTest, RemoteNamesNeverLeaveTheirFolder) {
  addShop();
  ASSERT_EQ(publish(), "Finished");
  std::ofstream(onWebServer("top.txt")) << "not ours";
  struct Crafted {
    const char* name;
    const char* folder;
    int32_t inUse;
  };
  for (const Crafted& crafted : {Crafted{"../top.txt", "Images", 0},
                                 Crafted{"../top.txt", "Images", 1},
                                 Crafted{"top.txt", "Images/..", 0}}) {
    CFileEntry& entry = web_files_.entries.emplace_back();
    entry.remoteName = crafted.name;
    entry.remoteFolder = crafted.folder;
    entry.sourceFile = entry.localFile = "Shop\\index.html";
    entry.inUse = crafted.inUse;
    entry.publishedCrc = 1;
  }
  prompter_.queueAnswers({true, true, true});
  EXPECT_EQ(publish(), "Finished");
  EXPECT_EQ(readFile(onWebServer("top.txt")), "not ours");
  std::vector<std::string> texts;
  for (const auto& prompt : prompter_.prompts()) texts.push_back(prompt.text);
  EXPECT_EQ(texts, (std::vector<std::string>{
                       "The file name '../top.txt' on 127.0.0.1 is not a single name; it is "
                       "neither sent nor deleted.\nDo you want to continue?",
                       "The file name '../top.txt' on 127.0.0.1 is not a single name; it is "
                       "neither sent nor deleted.\nDo you want to continue?",
                       "The folder name 'Images/..' on 127.0.0.1 is not a single name; its "
                       "files are neither sent nor deleted.\nDo you want to continue?"}));
}

TEST_F(UploadRunTest, AddOnSiteKeepsItsFilesUnderQuorvex) {
  addFile(web_files_, "index.html", "", "home\r\n", false, true);
  addFile(web_files_, "oldindex.html", "", "old home\r\n", false, true);
  addFile(web_files_, "shop.html", "", "shop\r\n");
  addFile(web_files_, "logo.gif", "Images", "GIF", true);
  addFile(order_files_, "order.html", "", "order\r\n");
  WorkerStatus status;
  std::vector<std::string> log = runRecorded(settings(true), status);
  EXPECT_EQ(status.state(), WorkerState::kFinished);
  EXPECT_EQ(log, (std::vector<std::string>{
                     "connect merchant active",
                     "put ascii order.html [Now uploading Quorvex Software server file - "
                     "order.html]",
                     "connect webuser active",
                     "mkdir Quorvex",
                     "put ascii index.html [Now uploading - index.html]",
                     "put ascii oldindex.html [Now uploading - oldindex.html]",
                     "put ascii Quorvex/shop.html [Now uploading - shop.html]",
                     "cd Quorvex",
                     "mkdir Images",
                     "cd Images",
                     "put binary logo.gif [Now uploading - Images\\logo.gif]",
                     "cd ..",
                 }));
  EXPECT_EQ(readFile(onWebServer("index.html")), "home\n");
  EXPECT_EQ(readFile(onWebServer("oldindex.html")), "old home\n");
  EXPECT_EQ(readFile(onWebServer("Quorvex/shop.html")), "shop\n");
  EXPECT_EQ(readFile(onWebServer("Quorvex/Images/logo.gif")), "GIF");
  EXPECT_EQ(readFile(onOrderServer("order.html")), "order\n");
}

TEST_F(UploadRunTest, StartFolderPartsAreCreatedAndEnteredInTurn) {
  addFile(web_files_, "index.html", "", "home\r\n");
  addFile(web_files_, "logo.gif", "Images", "GIF", true);
  preferences_.ftpFolder = " web \\\\ shop/";
  WorkerStatus status;
  std::vector<std::string> log = runRecorded(settings(), status);
  EXPECT_EQ(status.state(), WorkerState::kFinished);
  EXPECT_EQ(std::vector<std::string>(log.begin(), log.begin() + 5),
            (std::vector<std::string>{"connect webuser active", "mkdir web", "cd web",
                                      "mkdir shop", "cd shop"}));
  EXPECT_EQ(readFile(onWebServer("web/shop/index.html")), "home\n");
  EXPECT_EQ(readFile(onWebServer("web/shop/Images/logo.gif")), "GIF");

  // A part that cannot be entered ends the run.
  fs::remove_all(onWebServer("web"));
  home_.write("blocker", "");
  fs::copy_file(home_.path() / "blocker", onWebServer("web"));
  entryOf(web_files_, "index.html").clearPublished();
  EXPECT_EQ(publish(), "Error");
  EXPECT_EQ(prompter_.texts(), std::vector<std::string>{"Could not find the directory web"});
}

TEST_F(UploadRunTest, HostForms) {
  addFile(web_files_, "index.html", "", "home\r\n");
  // A URL with a path: only the server part is used.
  preferences_.ftpHost = "ftp://" + server_.host() + "/some/path";
  EXPECT_EQ(publish(), "Finished");
  EXPECT_EQ(readFile(onWebServer("index.html")), "home\n");

  // Another service: the web stage connects nowhere and says nothing.
  rewrite(entryOf(web_files_, "index.html"), "home 2\r\n");
  preferences_.ftpHost = "http://" + server_.host();
  EXPECT_EQ(publish(), "Error");
  EXPECT_TRUE(prompter_.texts().empty());
  EXPECT_EQ(readFile(onWebServer("index.html")), "home\n");

  // Not a host at all, with only order-server files to send: the order
  // server is never contacted.
  web_files_.entries.clear();
  addFile(order_files_, "order.html", "", "order\r\n");
  preferences_.ftpHost = "my host";
  EXPECT_EQ(publish(), "Error");
  EXPECT_EQ(prompter_.texts(),
            std::vector<std::string>{"You have entered an invalid Internet server hostname.\n"
                                     "Please go to Set Your Server Preferences and check it."});
  EXPECT_EQ(prompter_.prompts()[0].icon, PromptIcon::kWarning);
  EXPECT_FALSE(fs::exists(onOrderServer("order.html")));
}

TEST_F(UploadRunTest, LoginFailuresOfTheWebServer) {
  addFile(web_files_, "index.html", "", "home\r\n");
  preferences_.ftpUser = "stranger";
  EXPECT_EQ(publish(), "Error");
  preferences_.ftpUser = "webuser";
  preferences_.ftpPassword = "guess";
  EXPECT_EQ(publish(), "Error");
  int closed_port = 0;
  {
    TempDir gone_root;
    FtpServer gone(gone_root.path(), {{"webuser", "webpass", "web"}});
    closed_port = gone.port();
  }
  preferences_.ftpHost = "127.0.0.1:" + std::to_string(closed_port);
  EXPECT_EQ(publish(), "Error");
  std::vector<std::string> texts = prompter_.texts();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0],
            "Could not connect you with 127.0.0.1.\n"
            "Please check that the host and username are correct and try again.");
  EXPECT_EQ(texts[1],
            "The password you specified was not accepted by 127.0.0.1.\n"
            "Please check that the host is correct, retype your password, and try again.");
  EXPECT_TRUE(texts[2].starts_with("Error connecting to 127.0.0.1:\n")) << texts[2];
  EXPECT_GT(texts[2].size(), std::string("Error connecting to 127.0.0.1:\n").size());
  EXPECT_FALSE(fs::exists(onWebServer("index.html")));
}

TEST_F(UploadRunTest, LoginFailuresOfTheOrderServer) {
  addFile(order_files_, "order.html", "", "order\r\n");
  preferences_.vendorId = "Stranger";
  EXPECT_EQ(publish(), "Error");
  preferences_.vendorId = "merchant";
  preferences_.vendorPassword = "guess";
  EXPECT_EQ(publish(), "Error");
  EXPECT_EQ(prompter_.texts(),
            (std::vector<std::string>{
                "Could not connect you to the Quorvex Software server.\n"
                "Please check that the Quorvex ID you specified was typed correctly.",
                "The Quorvex password you specified was not accepted.\n"
                "Please retype it and try again."}));

  prompter_.clear();
  preferences_.vendorPassword = "secretpa";
  UploadSettings unreachable = settings();
  unreachable.orderServerHost = "gopher://127.0.0.1";
  PublishModel model(unreachable, web_files_, order_files_, env_);
  pressAndWait(model, false);
  EXPECT_EQ(prompter_.texts(),
            std::vector<std::string>{
                "Could not create an FTP connection to the Quorvex Software server."});
}

// A prompter whose questions wait until the test answers them.
class GatePrompter : public Prompter {
 public:
  void showMessage(const std::string& text, PromptIcon) override { messages.push_back(text); }
  bool askYesNo(const std::string&) override {
    std::unique_lock<std::mutex> lock(mutex_);
    asked_ = true;
    changed_.notify_all();
    changed_.wait(lock, [this] { return answered_; });
    return true;
  }
  void waitForQuestion() {
    std::unique_lock<std::mutex> lock(mutex_);
    changed_.wait(lock, [this] { return asked_; });
  }
  void answerYes() {
    std::lock_guard<std::mutex> lock(mutex_);
    answered_ = true;
    changed_.notify_all();
  }
  std::vector<std::string> messages;

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool asked_ = false;
  bool answered_ = false;
};

class StopTest : public UploadRunTest, public ::testing::WithParamInterface<bool> {};

TEST_P(StopTest, StopOrCloseTakesEffectBeforeTheNextFile) {
  const bool closing = GetParam();
  addFile(web_files_, "missing.html", "", "");
  fs::remove(home_.path() / "Shop" / "missing.html");
  addFile(web_files_, "index.html", "", "home\r\n");
  GatePrompter gate;
  Env env(home_.path(), gate, &settings_store_, &ftp_client_);
  PublishModel model(settings(), web_files_, order_files_, env);
  std::vector<std::string> shown;
  model.subscribe([&] { shown.push_back(model.statusText()); });
  model.go();
  EXPECT_EQ(model.goButtonText(), "&Stop");
  EXPECT_FALSE(model.controlsEnabled());
  EXPECT_EQ(model.statusText(), "Initiating FTP connection");
  gate.waitForQuestion();
  model.poll();
  EXPECT_EQ(model.statusText(),
            "Error uploading file 'missing.html' to 127.0.0.1:\nNo such file or directory");
  if (closing) {
    EXPECT_FALSE(model.accept());
    EXPECT_EQ(model.uploadAllButtonText(), "Closing");
  } else {
    model.go();
    EXPECT_EQ(model.goButtonText(), "Stopping");
  }
  EXPECT_EQ(model.statusText(), "Terminating FTP connection");
  gate.answerYes();
  while (model.timerActive()) {
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    model.poll();
  }
  EXPECT_EQ(model.closed(), closing);
  if (!closing) {
    EXPECT_EQ(model.statusText(), "Upload stopped by user");
  }
  EXPECT_EQ(shown, (std::vector<std::string>{
                       "Initiating FTP connection",
                       "Error uploading file 'missing.html' to 127.0.0.1:\nNo such file or "
                       "directory",
                       "Terminating FTP connection", "Upload stopped by user"}))
      << "each change is announced once, as a front end that listens shows it";
  EXPECT_TRUE(model.controlsEnabled());
  EXPECT_EQ(model.goButtonText(), "&Go");
  EXPECT_FALSE(fs::exists(onWebServer("index.html")));
  EXPECT_TRUE(gate.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(StopOrClose, StopTest, ::testing::Bool());

// A site large enough that each stage shares its files among several
// connections leaves the servers exactly as one connection does: the same
// files with the same bytes in the same folders, the dropped ones deleted;
// also when the servers refuse the extra logins.
TEST_F(UploadRunTest, ParallelRunsLeaveTheServersAsOneConnectionDoes) {
  constexpr int kOrderFiles = 24;
  constexpr int kWebFiles = 48;
  struct Layout {
    bool addOnSite;
    const char* startFolder;
  };
  for (const Layout& layout : {Layout{false, ""}, Layout{true, "web\\shop"}}) {
    struct Run {
      int connections;
      bool oneLoginPerUser;
    };
    std::vector<std::map<std::string, std::string>> servers;
    for (const Run& run : {Run{1, false}, Run{4, false}, Run{4, true}}) {
      SCOPED_TRACE(std::string(layout.startFolder) + ", " + std::to_string(run.connections) +
                   (run.oneLoginPerUser ? ", one login per user" : ""));
      for (const char* account : {"web", "orders"}) {
        for (const auto& item : fs::directory_iterator(server_root_.path() / account)) {
          fs::remove_all(item.path());
        }
      }
      fs::remove_all(home_.path() / "Shop");
      web_files_ = CFileList();
      order_files_ = CFileList();
      const char* folders[] = {"", "Images", "softgoods"};
      for (int i = 0; i < kOrderFiles + kWebFiles; ++i) {
        const bool binary = i % 3 == 1;
        const std::string name = "f" + std::to_string(i) + (binary ? ".gif" : ".html");
        addFile(i < kOrderFiles ? order_files_ : web_files_, name, folders[i % 3],
                name + std::string(binary ? "\0\r\n" : "\r\n", binary ? 3 : 2) +
                    std::string(static_cast<size_t>(i) * 97, 'x'),
                binary, i % 5 == 0);
      }
      preferences_.ftpFolder = layout.startFolder;
      UploadSettings upload = settings(layout.addOnSite);
      upload.connectionsPerServer = run.connections;
      WorkerStatus first;
      const std::vector<std::string> log = runRecorded(upload, first, run.oneLoginPerUser);
      ASSERT_EQ(first.state(), WorkerState::kFinished) << first.errorText();
      const auto logins = std::count_if(log.begin(), log.end(), [](const std::string& line) {
        return line.starts_with("connect ");
      });
      // A refused extra login ends the stage's attempts; the first
      // connection carries on alone.
      const size_t perConnection = UploadRun::kFilesPerConnection;
      const size_t wanted = std::min<size_t>(kOrderFiles / perConnection, run.connections) +
                            std::min<size_t>(kWebFiles / perConnection, run.connections);
      EXPECT_EQ(static_cast<size_t>(logins), run.oneLoginPerUser ? 4 : wanted);

      // The next build drops every fourth file and changes every third.
      for (CFileList* list : {&order_files_, &web_files_}) {
        const std::vector<CFileEntry> before = list->entries;
        list->markAllUnused();
        for (size_t i = 0; i < before.size(); ++i) {
          const CFileEntry& entry = before[i];
          if (i % 4 == 3) continue;
          list->addFile(home_.path(), entry.sourceFile, entry.localFile, entry.remoteName,
                        entry.remoteFolder, 1, entry.binaryTransfer, entry.rootOnAddOn);
          if (i % 3 == 0) rewrite(entry, "changed " + entry.remoteName + "\r\n");
        }
      }
      WorkerStatus second;
      runRecorded(upload, second, run.oneLoginPerUser);
      ASSERT_EQ(second.state(), WorkerState::kFinished) << second.errorText();
      for (const CFileList* list : {&order_files_, &web_files_}) {
        for (const CFileEntry& entry : list->entries) {
          EXPECT_EQ(entry.inUse == 1, entry.publishedCrc != 0) << entry.remoteName;
          EXPECT_FALSE(entry.isChanged(home_.path())) << entry.remoteName;
        }
      }
      std::map<std::string, std::string>& server = servers.emplace_back();
      for (const auto& item : fs::recursive_directory_iterator(server_root_.path())) {
        server[fs::relative(item.path(), server_root_.path()).string()] =
            item.is_directory() ? "<folder>" : readFile(item.path());
      }
    }
    ASSERT_EQ(servers.size(), 3u);
    EXPECT_EQ(servers[0], servers[1]);
    EXPECT_EQ(servers[0], servers[2]);
    EXPECT_GT(servers[0].size(), static_cast<size_t>(kOrderFiles + kWebFiles) / 2);
  }
}

}  // namespace
}  // namespace quorvex
