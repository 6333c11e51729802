#include "publish/upload_run.h"

#include <utility>
#include <vector>

#include "platform/paths.h"
#include "publish/ftp_host.h"
#include "publish/order_server.h"
#include "publish/web_server.h"

namespace quorvex {

namespace {

constexpr char kInvalidHost[] =
    "You have entered an invalid Internet server hostname.\n"
    "Please go to Set Your Server Preferences and check it.";
constexpr char kAddOnFolder[] = "Quorvex";

// The parts of a start folder: split at every slash and backslash, each part
// trimmed of white space, empty parts left out.
std::vector<std::string> startFolderParts(const std::string& folder) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= folder.size()) {
    size_t end = folder.find_first_of("/\\", start);
    if (end == std::string::npos) end = folder.size();
    std::string part = folder.substr(start, end - start);
    size_t first = part.find_first_not_of(" \t\r\n");
    if (first != std::string::npos) {
      parts.push_back(part.substr(first, part.find_last_not_of(" \t\r\n") - first + 1));
    }
    start = end + 1;
  }
  return parts;
}

}  // namespace

UploadRun::UploadRun(const UploadSettings& settings, CFileList& webFiles,
                     CFileList& orderServerFiles, const Env& env, WorkerStatus& status)
    : settings_(settings),
      web_files_(webFiles),
      order_server_files_(orderServerFiles),
      env_(env),
      status_(status) {}

void UploadRun::run() {
  if (stopped()) return;
  std::unique_ptr<FtpSession> session = env_.ftp().openSession(settings_.proxy);
  if (session == nullptr) return fail("Failed to create a valid Internet session.");
  if (stopped()) return;
  std::optional<ServerUrl> web_url = parseHostSetting(settings_.host);
  if (!web_url) return fail(kInvalidHost);
  if (!orderServerStage(*session, web_url)) return;
  if (!webStage(*session, *web_url)) return;
  status_.setState(WorkerState::kFinished);
}

bool UploadRun::stopped() {
  if (!status_.stopRequested()) return false;
  status_.setState(WorkerState::kStopped);
  return true;
}

void UploadRun::fail(std::string text) {
  status_.setErrorText(std::move(text));
  status_.setState(WorkerState::kFailed);
}

UploadRun::Pending UploadRun::findPending(const CFileList& list) {
  for (const CFileEntry& entry : list.entries) {
    if (stopped()) return Pending::kStopped;
    if (entry.isChanged(env_.home()) || entry.isToDelete()) return Pending::kSomething;
  }
  return Pending::kNothing;
}

bool UploadRun::orderServerStage(FtpSession& session, const std::optional<ServerUrl>& webUrl) {
  Pending pending = findPending(order_server_files_);
  if (pending != Pending::kSomething) return pending == Pending::kNothing;
  // The web host is checked before anything is sent anywhere.
  if (!ftpAddressOf(*webUrl)) {
    fail(kInvalidHost);
    return false;
  }
  ServerConnection order =
      connectToOrderServer(session, settings_.orderServerHost, settings_.orderAccount,
                           settings_.orderPassword, settings_.proxy.has_value());
  if (order.connection == nullptr) {
    fail(order.errorText);
    return false;
  }
  status_.setProgressText("Now uploading Quorvex Software server files");
  static constexpr StageTexts kTexts{"Now uploading Quorvex Software server file - ",
                                     "Now deleting Quorvex Software server file - "};
  return transferRootEntries(*order.connection, order_server_files_, kTexts, order.serverName,
                             false) &&
         transferFolders(*order.connection, order_server_files_, kTexts, order.serverName);
}

bool UploadRun::webStage(FtpSession& session, const ServerUrl& webUrl) {
  Pending pending = findPending(web_files_);
  if (pending != Pending::kSomething) return pending == Pending::kNothing;
  std::optional<FtpServerAddress> address = ftpAddressOf(webUrl);
  if (!address) {
    // Another service than FTP: nothing to connect to, and nothing to say.
    fail("");
    return false;
  }
  ServerConnection web = connectToWebServer(session, *address, settings_);
  if (web.connection == nullptr) {
    fail(web.errorText);
    return false;
  }
  FtpConnection& connection = *web.connection;
  for (const std::string& part : startFolderParts(settings_.startFolder)) {
    connection.createFolder(part);
    if (!enterFolder(connection, part)) return false;
  }
  if (settings_.addOnSite) connection.createFolder(kAddOnFolder);
  static constexpr StageTexts kTexts{"Now uploading - ", "Now deleting - "};
  if (!transferRootEntries(connection, web_files_, kTexts, web.serverName, true)) return false;
  if (settings_.addOnSite && !enterFolder(connection, kAddOnFolder)) return false;
  return transferFolders(connection, web_files_, kTexts, web.serverName);
}

bool UploadRun::transferRootEntries(FtpConnection& connection, CFileList& list,
                                    const StageTexts& texts, const std::string& server,
                                    bool addOnLayout) {
  for (CFileEntry& entry : list.entries) {
    if (stopped()) return false;
    if (!entry.remoteFolder.empty()) continue;
    const bool in_add_on_folder = addOnLayout && settings_.addOnSite && entry.rootOnAddOn == 0;
    std::string remote =
        in_add_on_folder ? std::string(kAddOnFolder) + "/" + entry.remoteName : entry.remoteName;
    if (!transfer(connection, entry, remote, entry.remoteName, texts, server)) return false;
  }
  return true;
}

bool UploadRun::transferFolders(FtpConnection& connection, CFileList& list,
                                const StageTexts& texts, const std::string& server) {
  for (const std::string& folder : list.remoteFolders()) {
    if (!isSingleFileName(folder)) {
      if (!askToContinue("The folder name '" + folder + "' on " + server +
                         " is not a single name; its files are neither sent nor deleted.")) {
        return false;
      }
      continue;
    }
    connection.createFolder(folder);
    if (!enterFolder(connection, folder)) return false;
    for (CFileEntry& entry : list.entries) {
      if (stopped()) return false;
      if (entry.remoteFolder != folder) continue;
      std::string shown = folder + "\\" + entry.remoteName;
      if (!transfer(connection, entry, entry.remoteName, shown, texts, server)) return false;
    }
    if (!enterFolder(connection, "..")) return false;
  }
  return true;
}

bool UploadRun::transfer(FtpConnection& connection, CFileEntry& entry,
                         const std::string& remoteName, const std::string& shownName,
                         const StageTexts& texts, const std::string& server) {
  const std::filesystem::path& home = env_.home();
  const bool changed = entry.isChanged(home);
  const bool to_delete = entry.isToDelete();
  if (!changed && !to_delete) return true;
  // A remote name stays inside its remote folder: one that would lead
  // elsewhere on the server is refused, never sent or deleted.
  if (!isSingleFileName(entry.remoteName)) {
    return askToContinue("The file name '" + entry.remoteName + "' on " + server +
                         " is not a single name; it is neither sent nor deleted.");
  }
  bool uploaded = false;
  bool removed = false;
  std::string error;
  if (changed) {
    status_.setProgressText(texts.uploading + shownName);
    const FtpTransferMode mode =
        entry.binaryTransfer == 1 ? FtpTransferMode::kBinary : FtpTransferMode::kAscii;
    uploaded = entry.localFile.empty() || remoteName.empty() ||
               connection.putFile(entry.localPath(home), remoteName, mode) == FtpReply::kDone;
    if (!uploaded) {
      error = "Error uploading file '" + remoteName + "' to " + server + ":\n" +
              connection.lastErrorText();
    }
  } else {
    status_.setProgressText(texts.deleting + shownName);
    // A refusal (the file is not there) counts as removed; no answer at all
    // leaves the deletion for the next run.
    removed = connection.remove(remoteName) != FtpReply::kNoReply;
  }
  if (!error.empty() && !askToContinue(error)) return false;
  if (uploaded) entry.markPublished(home);
  if (removed) entry.clearPublished();
  status_.incrementCounter();
  return true;
}

bool UploadRun::askToContinue(const std::string& error) {
  status_.setErrorText(error);
  status_.setState(WorkerState::kAsking);
  if (!env_.prompter().askYesNo(error + "\nDo you want to continue?")) {
    status_.setState(WorkerState::kFailed);
    return false;
  }
  status_.setErrorText("Coninuting...");
  status_.setState(WorkerState::kRunning);
  return true;
}

bool UploadRun::enterFolder(FtpConnection& connection, const std::string& folder) {
  if (connection.changeFolder(folder)) return true;
  fail("Could not find the directory " + folder);
  return false;
}

}  // namespace quorvex
