#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "platform/curl_ftp_client.h"
#include "support/cutting_proxy.h"
#include "support/ftp_server.h"
#include "support/temp_dir.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using testing::CuttingProxy;
using testing::FtpServer;
using testing::readFile;
using testing::TempDir;

FtpServerAddress local(int port, FtpProtocol protocol = FtpProtocol::kFtp) {
  return FtpServerAddress{protocol, "127.0.0.1", port};
}

// A real server with one account whose files lie in root/web.
class FtpClientTest : public ::testing::Test {
 protected:
  FtpClientTest() : server_(root_.path(), {{"web", "secret", "web"}}) {}

  void SetUp() override { ASSERT_NE(server_.port(), 0); }

  std::unique_ptr<FtpConnection> login(bool passive = true, int port = 0) {
    FtpLogin login = client_.openSession(std::nullopt)
                         ->connect(local(port != 0 ? port : server_.port()), "web", "secret",
                                   passive);
    EXPECT_EQ(login.failure, FtpLoginFailure::kNone) << login.errorText;
    return std::move(login.connection);
  }

  fs::path onServer(const std::string& name) const { return root_.path() / "web" / name; }

  TempDir root_;
  TempDir local_;
  FtpServer server_;
  CurlFtpClient client_{CurlFtpOptions{.timeoutSeconds = 5}};
};

TEST_F(FtpClientTest, LoginFailuresTellUserFromPassword) {
  std::unique_ptr<FtpSession> session = client_.openSession(std::nullopt);
  ASSERT_NE(session, nullptr);
  FtpLogin wrong_user = session->connect(local(server_.port()), "nobody", "secret", false);
  EXPECT_EQ(wrong_user.connection, nullptr);
  EXPECT_EQ(wrong_user.failure, FtpLoginFailure::kWrongUser);

  FtpLogin wrong_password = session->connect(local(server_.port()), "web", "guess", false);
  EXPECT_EQ(wrong_password.connection, nullptr);
  EXPECT_EQ(wrong_password.failure, FtpLoginFailure::kWrongPassword);

  // A port nobody listens on: the one of a server that has gone.
  int closed_port = 0;
  {
    TempDir gone_root;
    FtpServer gone(gone_root.path(), {{"web", "secret", "web"}});
    closed_port = gone.port();
  }
  FtpLogin unreachable = session->connect(local(closed_port), "web", "secret", false);
  EXPECT_EQ(unreachable.connection, nullptr);
  EXPECT_EQ(unreachable.failure, FtpLoginFailure::kOther);
  EXPECT_FALSE(unreachable.errorText.empty());

  FtpLogin good = session->connect(local(server_.port()), "web", "secret", false);
  EXPECT_NE(good.connection, nullptr);
  EXPECT_EQ(good.failure, FtpLoginFailure::kNone);
}

TEST_F(FtpClientTest, FoldersFollowTheCurrentFolder) {
  std::unique_ptr<FtpConnection> connection = login();
  ASSERT_NE(connection, nullptr);
  EXPECT_EQ(connection->createFolder("a b"), FtpReply::kDone);
  EXPECT_EQ(connection->createFolder("a b"), FtpReply::kRefused);
  EXPECT_FALSE(connection->lastErrorText().empty());
  EXPECT_TRUE(fs::is_directory(onServer("a b")));

  // A failed change keeps the current folder.
  EXPECT_FALSE(connection->changeFolder("missing"));
  EXPECT_TRUE(connection->changeFolder("a b"));
  EXPECT_EQ(connection->createFolder("c#1"), FtpReply::kDone);
  EXPECT_TRUE(fs::is_directory(onServer("a b/c#1")));
  EXPECT_TRUE(connection->changeFolder("c#1"));
  fs::path file = local_.write("f.bin", "x");
  EXPECT_EQ(connection->putFile(file, "f.bin", FtpTransferMode::kBinary), FtpReply::kDone);
  EXPECT_TRUE(fs::exists(onServer("a b/c#1/f.bin")));
  EXPECT_TRUE(connection->changeFolder(".."));
  EXPECT_TRUE(connection->changeFolder(".."));
  EXPECT_EQ(connection->putFile(file, "top.bin", FtpTransferMode::kBinary), FtpReply::kDone);
  EXPECT_TRUE(fs::exists(onServer("top.bin")));
  // A name with a slash goes into that folder.
  EXPECT_EQ(connection->putFile(file, "a b/deep.bin", FtpTransferMode::kBinary), FtpReply::kDone);
  EXPECT_TRUE(fs::exists(onServer("a b/deep.bin")));

  // Listings name files with their sizes and folders, relative to the
  // current folder; a folder that is not there is refused.
  auto listing = [&](const std::string& folder) {
    std::vector<FtpFolderEntry> entries;
    EXPECT_EQ(connection->listFolder(folder, &entries), FtpReply::kDone) << folder;
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.name < b.name; });
    return entries;
  };
  EXPECT_EQ(listing(""), (std::vector<FtpFolderEntry>{{"a b", true, std::nullopt},
                                                      {"top.bin", false, 1}}));
  EXPECT_EQ(listing("a b"), (std::vector<FtpFolderEntry>{{"c#1", true, std::nullopt},
                                                         {"deep.bin", false, 1}}));
  std::vector<FtpFolderEntry> none;
  EXPECT_EQ(connection->listFolder("missing", &none), FtpReply::kRefused);
}

TEST_F(FtpClientTest, FilesGoAndComeInBothModes) {
  const std::string binary("GIF89a\r\n\0\x1a\xff end\n", 16);
  const std::string text = "line one\r\nline two\r\n";
  fs::path binary_file = local_.write("image.gif", binary);
  fs::path text_file = local_.write("page.html", text);
  for (bool passive : {true, false}) {
    SCOPED_TRACE(passive ? "passive" : "active");
    std::unique_ptr<FtpConnection> connection = login(passive);
    ASSERT_NE(connection, nullptr);
    EXPECT_EQ(connection->putFile(binary_file, "image.gif", FtpTransferMode::kBinary),
              FtpReply::kDone);
    EXPECT_EQ(readFile(onServer("image.gif")), binary);
    // The server keeps text files with its own line ends.
    EXPECT_EQ(connection->putFile(text_file, "page.html", FtpTransferMode::kAscii),
              FtpReply::kDone);
    EXPECT_EQ(readFile(onServer("page.html")), "line one\nline two\n");

    fs::path fetched = local_.path() / "fetched.gif";
    EXPECT_EQ(connection->getFile("image.gif", fetched, FtpTransferMode::kBinary),
              FtpReply::kDone);
    EXPECT_EQ(readFile(fetched), binary);
    fs::path missing = local_.path() / "missing.txt";
    EXPECT_EQ(connection->getFile("missing.txt", missing, FtpTransferMode::kAscii),
              FtpReply::kRefused);
    EXPECT_FALSE(fs::exists(missing));
  }
}

TEST_F(FtpClientTest, RenameRemoveAndRefusedNames) {
  std::unique_ptr<FtpConnection> connection = login();
  ASSERT_NE(connection, nullptr);
  fs::path file = local_.write("a.txt", "a");
  ASSERT_EQ(connection->putFile(file, "a.dat", FtpTransferMode::kBinary), FtpReply::kDone);
  EXPECT_EQ(connection->rename("a.dat", "a.bak"), FtpReply::kDone);
  EXPECT_FALSE(fs::exists(onServer("a.dat")));
  EXPECT_EQ(readFile(onServer("a.bak")), "a");
  EXPECT_EQ(connection->rename("a.dat", "a.bak"), FtpReply::kRefused);

  EXPECT_EQ(connection->remove("a.bak"), FtpReply::kDone);
  EXPECT_FALSE(fs::exists(onServer("a.bak")));
  EXPECT_EQ(connection->remove("a.bak"), FtpReply::kRefused);

  // A line break in a name would send a second command: refused unsent.
  EXPECT_EQ(connection->remove("x\r\nDELE a.txt"), FtpReply::kRefused);
  EXPECT_EQ(connection->createFolder(""), FtpReply::kRefused);
  EXPECT_EQ(connection->putFile(local_.path() / "none", "none", FtpTransferMode::kBinary),
            FtpReply::kRefused);
  EXPECT_EQ(connection->lastErrorText(), "No such file or directory");
  EXPECT_EQ(connection->putFile(local_.path(), "folder", FtpTransferMode::kBinary),
            FtpReply::kRefused);
}

TEST_F(FtpClientTest, ABrokenConnectionIsReportedThenReopened) {
  CuttingProxy proxy(server_.port());
  ASSERT_NE(proxy.port(), 0);
  std::unique_ptr<FtpConnection> connection = login(true, proxy.port());
  ASSERT_NE(connection, nullptr);
  fs::path file = local_.write("a.txt", std::string(100000, 'a'));
  proxy.cutAfter(5000);
  EXPECT_EQ(connection->putFile(file, "a.txt", FtpTransferMode::kBinary), FtpReply::kNoReply);
  EXPECT_TRUE(proxy.wasCut());
  EXPECT_FALSE(connection->lastErrorText().empty());
  // The next operation logs in again by itself.
  EXPECT_EQ(connection->putFile(file, "a.txt", FtpTransferMode::kBinary), FtpReply::kDone);
  EXPECT_EQ(readFile(onServer("a.txt")), std::string(100000, 'a'));
}

// A server that offers explicit TLS, with its self-signed certificate.
class FtpTlsTest : public ::testing::Test {
 protected:
  FtpTlsTest() : server_(root_.path(), {{"web", "secret", "web"}}, certificates_.path()) {}

  TempDir root_;
  TempDir certificates_;
  FtpServer server_;
};

TEST_F(FtpTlsTest, ExplicitTlsNeedsATrustedCertificate) {
  ASSERT_NE(server_.port(), 0);
  CurlFtpClient trusting(
      CurlFtpOptions{.caFile = (certificates_.path() / "cert.pem").string(), .timeoutSeconds = 5});
  FtpLogin login = trusting.openSession(std::nullopt)
                       ->connect(local(server_.port(), FtpProtocol::kFtpExplicitTls), "web",
                                 "secret", true);
  ASSERT_NE(login.connection, nullptr) << login.errorText;
  // Commands go over the encrypted control connection. (The test server's
  // TLS data connections do not work with current OpenSSL, so no file is
  // sent here.)
  EXPECT_EQ(login.connection->createFolder("private"), FtpReply::kDone);
  EXPECT_TRUE(fs::is_directory(root_.path() / "web" / "private"));

  CurlFtpClient strict(CurlFtpOptions{.timeoutSeconds = 5});
  FtpLogin refused = strict.openSession(std::nullopt)
                         ->connect(local(server_.port(), FtpProtocol::kFtpExplicitTls), "web",
                                   "secret", true);
  EXPECT_EQ(refused.connection, nullptr);
  EXPECT_EQ(refused.failure, FtpLoginFailure::kOther);
  EXPECT_FALSE(refused.errorText.empty());
}

}  // namespace
}  // namespace quorvex
