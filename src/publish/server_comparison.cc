#include "publish/server_comparison.h"

#include <fstream>
#include <map>
#include <memory>
#include <optional>

#include "platform/paths.h"
#include "publish/ftp_host.h"
#include "publish/order_server.h"
#include "publish/remote_layout.h"
#include "publish/web_server.h"

namespace quorvex {

namespace {

namespace fs = std::filesystem;

// The folders of one server, each listed the first time a file in it is
// looked for.
class ServerFolders {
 public:
  // `connection` is in the start folder, or `startFolderMissing` says that
  // the server has none, so that it holds none of the files.
  ServerFolders(FtpConnection& connection, std::string serverName, bool startFolderMissing)
      : connection_(connection),
        server_name_(std::move(serverName)),
        start_folder_missing_(startFolderMissing) {}

  // Sets `*found` to what `folder` holds under `name`, null when nothing.
  Status find(const std::string& folder, const std::string& name, const FtpFolderEntry** found) {
    *found = nullptr;
    if (start_folder_missing_) return Status::success();
    auto [listed, added] = folders_.try_emplace(folder);
    if (added) {
      // A refusal: the folder is not there, so neither are its files.
      if (connection_.listFolder(folder, &listed->second) == FtpReply::kNoReply) {
        return Status::ioError("Could not list the folder '" + folder + "' on " + server_name_ +
                               ":\n" + connection_.lastErrorText());
      }
    }
    for (const FtpFolderEntry& entry : listed->second) {
      if (entry.name == name) *found = &entry;
    }
    return Status::success();
  }

 private:
  FtpConnection& connection_;
  std::string server_name_;
  bool start_folder_missing_;
  std::map<std::string, std::vector<FtpFolderEntry>> folders_;
};

// Returns whether `remoteSize` is what uploading the local file leaves on a
// server: its own size in binary mode; in ASCII mode its size with every line
// end stored as LF or as CR LF, whichever the server keeps.
bool sizeMatches(const fs::path& local, bool binary, std::uint64_t remoteSize) {
  std::error_code error;
  const std::uint64_t size = fs::file_size(local, error);
  if (error) return false;
  if (binary) return remoteSize == size;
  std::ifstream in(local, std::ios::binary);
  std::uint64_t crlf = 0, bareLf = 0;
  char previous = 0;
  char buffer[65536];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    for (std::streamsize i = 0; i < in.gcount(); ++i) {
      if (buffer[i] == '\n') ++(previous == '\r' ? crlf : bareLf);
      previous = buffer[i];
    }
  }
  return remoteSize == size - crlf || remoteSize == size + bareLf;
}

bool worthLooking(const CFileList& list) {
  for (const CFileEntry& entry : list.entries) {
    if (entry.inUse == 1 || entry.isToDelete()) return true;
  }
  return false;
}

Status compareList(const CFileList& list, bool addOnSite, const fs::path& home,
                   ServerFolders& server, ServerComparison* comparison) {
  for (const CFileEntry& entry : list.entries) {
    // The upload run neither sends nor deletes a name that could lead out
    // of its folder, so there is nothing to compare.
    if (!isSingleFileName(entry.remoteName)) continue;
    if (!entry.remoteFolder.empty() && !isSingleFileName(entry.remoteFolder)) continue;
    const bool toDelete = entry.isToDelete();
    const bool uploaded = entry.inUse == 1 && !entry.localFile.empty() && !entry.isChanged(home);
    if (!toDelete && !uploaded) continue;
    const FtpFolderEntry* found = nullptr;
    Status listed = server.find(remoteFolderOf(entry, addOnSite), entry.remoteName, &found);
    if (!listed.ok()) return listed;
    const bool there = found != nullptr && !found->isFolder;
    if (toDelete) {
      if (!there) comparison->alreadyGone.push_back(entry.remotePath());
    } else if (!there) {
      comparison->missing.push_back(entry.remotePath());
    } else if (found->size &&
               !sizeMatches(entry.localPath(home), entry.binaryTransfer == 1, *found->size)) {
      comparison->differing.push_back(entry.remotePath());
    }
  }
  return Status::success();
}

}  // namespace

Status compareWithServers(const UploadSettings& settings, const CFileList& webFiles,
                          const CFileList& orderServerFiles, const Env& env,
                          ServerComparison* comparison) {
  *comparison = {};
  const bool lookAtOrderServer = worthLooking(orderServerFiles);
  const bool lookAtWebServer = worthLooking(webFiles);
  if (!lookAtOrderServer && !lookAtWebServer) return Status::success();
  const std::optional<ServerUrl> webUrl = parseHostSetting(settings.host);
  const std::optional<FtpServerAddress> webAddress =
      webUrl ? ftpAddressOf(*webUrl) : std::nullopt;
  if (!webAddress) return Status::invalidArgument(kInvalidHostMessage);
  std::unique_ptr<FtpSession> session = env.ftp().openSession(settings.proxy);
  if (session == nullptr) return Status::ioError("Failed to create a valid Internet session.");

  if (lookAtOrderServer) {
    ServerConnection order =
        connectToOrderServer(*session, settings.orderServerHost, settings.orderAccount,
                             settings.orderPassword, settings.proxy.has_value());
    if (order.connection == nullptr) return Status::refused(order.errorText);
    ServerFolders folders(*order.connection, order.serverName, false);
    Status compared = compareList(orderServerFiles, false, env.home(), folders, comparison);
    if (!compared.ok()) return compared;
  }
  if (lookAtWebServer) {
    ServerConnection web = connectToWebServer(*session, *webAddress, settings);
    if (web.connection == nullptr) return Status::refused(web.errorText);
    bool startFolderMissing = false;
    for (const std::string& part : startFolderParts(settings.startFolder)) {
      if (web.connection->changeFolder(part)) continue;
      // A folder that is not there, unless the server no longer answers.
      std::vector<FtpFolderEntry> here;
      if (web.connection->listFolder("", &here) == FtpReply::kNoReply) {
        return Status::ioError("Could not find the directory " + part);
      }
      startFolderMissing = true;
      break;
    }
    ServerFolders folders(*web.connection, web.serverName, startFolderMissing);
    Status compared = compareList(webFiles, settings.addOnSite, env.home(), folders, comparison);
    if (!compared.ok()) return compared;
  }
  return Status::success();
}

}  // namespace quorvex
