#include "publish/publish_fixture.h"

#include <chrono>
#include <thread>

namespace quorvex::testing {

namespace fs = std::filesystem;

PublishFixture::PublishFixture()
    : server_(server_root_.path(),
              {{"webuser", "webpass", "web"}, {"merchant", "secretpa", "orders"}}),
      settings_store_(home_.path() / "settings.ini"),
      env_(home_.path(), prompter_, &settings_store_, &ftp_client_) {
  preferences_.ftpHost = server_.host();
  preferences_.ftpUser = "webuser";
  preferences_.ftpPassword = "webpass";
  // The order server takes the account cut to 8 characters and lowered.
  preferences_.vendorId = "MERCHANT42";
  preferences_.vendorPassword = "SecretPass9";
}

void PublishFixture::SetUp() { ASSERT_NE(server_.port(), 0) << "the FTP server did not start"; }

void PublishFixture::addFile(CFileList& list, const std::string& name, const std::string& folder,
                             const std::string& content, bool binary, bool rootOnAddOn) {
  std::string local = folder.empty() ? "Shop\\" + name : "Shop\\" + folder + "\\" + name;
  home_.write(folder.empty() ? "Shop/" + name : "Shop/" + folder + "/" + name, content);
  list.addFile(home_.path(), "Templates\\" + name, local, name, folder, 1, binary ? 1 : 0,
               rootOnAddOn ? 1 : 0);
}

void PublishFixture::rewrite(const CFileEntry& entry, const std::string& content) {
  home_.write(entry.localPath(home_.path()).lexically_relative(home_.path()).string(), content);
}

UploadSettings PublishFixture::settings(bool addOnSite) const {
  UploadSettings settings = UploadSettings::fromPreferences(preferences_, server_.host(), addOnSite);
  settings.siteFolder = home_.path() / "Shop";
  return settings;
}

std::string PublishFixture::publish(bool uploadAll, bool addOnSite) {
  PublishModel model(settings(addOnSite), web_files_, order_files_, env_);
  pressAndWait(model, uploadAll);
  return model.statusText();
}

void PublishFixture::pressAndWait(PublishModel& model, bool uploadAll) {
  if (uploadAll) {
    model.uploadAll();
  } else {
    model.go();
  }
  while (model.timerActive()) {
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
    model.poll();
  }
}

fs::path PublishFixture::onWebServer(const std::string& path) const {
  return server_root_.path() / "web" / path;
}

fs::path PublishFixture::onOrderServer(const std::string& path) const {
  return server_root_.path() / "orders" / path;
}

std::string PublishFixture::expectedOnServer(const CFileEntry& entry) const {
  std::string content = readFile(entry.localPath(home_.path()));
  if (entry.binaryTransfer == 1) return content;
  std::string text;
  for (size_t i = 0; i < content.size(); ++i) {
    if (content[i] == '\r' && i + 1 < content.size() && content[i + 1] == '\n') continue;
    text += content[i];
  }
  return text;
}

CFileEntry& entryOf(CFileList& list, const std::string& remoteName,
                    const std::string& remoteFolder) {
  for (CFileEntry& entry : list.entries) {
    if (entry.remoteName == remoteName && entry.remoteFolder == remoteFolder) return entry;
  }
  ADD_FAILURE() << "no entry " << remoteFolder << "/" << remoteName;
  static CFileEntry missing;
  return missing;
}

}  // namespace quorvex::testing
