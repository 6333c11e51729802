#ifndef QUORVEX_TESTS_PUBLISH_PUBLISH_FIXTURE_H_
#define QUORVEX_TESTS_PUBLISH_PUBLISH_FIXTURE_H_

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

#include "app/publish_model.h"
#include "platform/curl_ftp_client.h"
#include "platform/env.h"
#include "platform/ini_settings_store.h"
#include "platform/scripted_prompter.h"
#include "publish/file_list.h"
#include "publish/ftp_settings.h"
#include "support/ftp_server.h"
#include "support/temp_dir.h"

namespace quorvex::testing {

// A company's home with a site folder "Shop", its two published-file lists,
// server preferences for a real FTP server on loopback that has the web
// account (files in <server root>/web) and the merchant's order-server
// account (files in <server root>/orders), and an environment with a
// scripted prompter.
class PublishFixture : public ::testing::Test {
 protected:
  PublishFixture();

  void SetUp() override;

  // Writes Shop/<folder>/<name> with `content` and enters it in the list.
  void addFile(CFileList& list, const std::string& name, const std::string& folder,
               const std::string& content, bool binary = false, bool rootOnAddOn = false);
  // Writes a new content into the site folder's file of an entry.
  void rewrite(const CFileEntry& entry, const std::string& content);

  // The upload settings as the publish dialog takes them from the
  // preferences.
  UploadSettings settings(bool addOnSite = false) const;

  // Opens the publish dialog, presses "&GO" (or "&Upload All") and polls
  // until the run has ended; returns the final status text.
  std::string publish(bool uploadAll = false, bool addOnSite = false);
  // Presses the button of an open dialog and polls until the run has ended.
  static void pressAndWait(PublishModel& model, bool uploadAll);

  // The server's copy of a file below the web or the order account's folder.
  std::filesystem::path onWebServer(const std::string& path) const;
  std::filesystem::path onOrderServer(const std::string& path) const;
  // What the server holds for an entry's local file after an upload in the
  // entry's mode: text files with the server's line ends.
  std::string expectedOnServer(const CFileEntry& entry) const;

  TempDir home_;
  TempDir server_root_;
  FtpServer server_;
  ScriptedPrompter prompter_;
  IniSettingsStore settings_store_;
  CurlFtpClient ftp_client_{CurlFtpOptions{.timeoutSeconds = 10}};
  Env env_;
  CFtp preferences_;
  CFileList web_files_;
  CFileList order_files_;
};

// Finds the entry with `remoteName` and `remoteFolder`; fails the test when
// there is none.
CFileEntry& entryOf(CFileList& list, const std::string& remoteName,
                    const std::string& remoteFolder = "");

}  // namespace quorvex::testing

#endif  // QUORVEX_TESTS_PUBLISH_PUBLISH_FIXTURE_H_
