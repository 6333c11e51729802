#include "publish/upload_run.h"

#include <algorithm>
#include <iterator>
#include <thread>
#include <utility>
#include <vector>

#include "platform/paths.h"
#include "publish/ftp_host.h"
#include "publish/order_server.h"
#include "publish/remote_layout.h"
#include "publish/web_server.h"

namespace quorvex {

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
  if (!web_url) return fail(kInvalidHostMessage);
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
    fail(kInvalidHostMessage);
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
  const Reconnect reconnect = [this, &session] {
    return connectToOrderServer(session, settings_.orderServerHost, settings_.orderAccount,
                                settings_.orderPassword, settings_.proxy.has_value())
        .connection;
  };
  return transferStage(*order.connection, reconnect, {}, order_server_files_, kTexts,
                       order.serverName, false);
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
  const std::vector<std::string> startParts = startFolderParts(settings_.startFolder);
  for (const std::string& part : startParts) {
    connection.createFolder(part);
    if (!enterFolder(connection, part)) return false;
  }
  if (settings_.addOnSite) connection.createFolder(kAddOnFolder);
  static constexpr StageTexts kTexts{"Now uploading - ", "Now deleting - "};
  const Reconnect reconnect = [this, &session, address = *address] {
    return connectToWebServer(session, address, settings_).connection;
  };
  return transferStage(connection, reconnect, startParts, web_files_, kTexts, web.serverName,
                       true);
}

bool UploadRun::transferStage(FtpConnection& connection, const Reconnect& reconnect,
                              const std::vector<std::string>& startParts, CFileList& list,
                              const StageTexts& texts, const std::string& server,
                              bool addOnLayout) {
  const bool addOnFolder = addOnLayout && settings_.addOnSite;
  const std::vector<Job> jobs = listJobs(list, addOnFolder);
  const size_t wanted = std::clamp<size_t>(jobs.size() / kFilesPerConnection, 1,
                                           std::max(1, settings_.connectionsPerServer));
  if (wanted == 1) return transferInOrder(connection, jobs, list, addOnFolder, texts, server);
  std::vector<Job> uploads;
  std::vector<Job> deletions;
  std::partition_copy(jobs.begin(), jobs.end(), std::back_inserter(uploads),
                      std::back_inserter(deletions), [](const Job& job) { return job.upload; });
  const std::string base = addOnFolder ? std::string(kAddOnFolder) + "/" : "";
  for (const std::string& folder : list.remoteFolders()) {
    if (isSingleFileName(folder)) {
      connection.createFolder(base + folder);
    } else if (!skipFolder(folder, server)) {
      return false;
    }
  }
  // More logins are a help, not a need: a server that refuses them leaves
  // the work to the connections it accepted.
  std::vector<std::unique_ptr<FtpConnection>> more;
  std::vector<FtpConnection*> connections = {&connection};
  while (connections.size() < wanted) {
    if (stopped()) return false;
    std::unique_ptr<FtpConnection> extra = reconnect();
    if (extra == nullptr) break;
    const bool entered = std::all_of(startParts.begin(), startParts.end(), [&](const auto& part) {
      return extra->changeFolder(part);
    });
    if (!entered) break;
    connections.push_back(extra.get());
    more.push_back(std::move(extra));
  }
  return runJobs(connections, uploads, texts, server) &&
         runJobs(connections, deletions, texts, server);
}

std::vector<UploadRun::Job> UploadRun::listJobs(CFileList& list, bool addOnFolder) const {
  const std::filesystem::path& home = env_.home();
  std::vector<Job> jobs;
  auto add = [&](CFileEntry& entry, std::string remote, std::string shown) {
    if (entry.isChanged(home)) {
      jobs.push_back({&entry, true, std::move(remote), std::move(shown)});
    } else if (entry.isToDelete()) {
      jobs.push_back({&entry, false, std::move(remote), std::move(shown)});
    }
  };
  for (CFileEntry& entry : list.entries) {
    if (entry.remoteFolder.empty()) add(entry, remotePathOf(entry, addOnFolder), entry.remoteName);
  }
  for (const std::string& folder : list.remoteFolders()) {
    if (!isSingleFileName(folder)) continue;
    for (CFileEntry& entry : list.entries) {
      if (entry.remoteFolder == folder) {
        add(entry, remotePathOf(entry, addOnFolder), folder + "\\" + entry.remoteName);
      }
    }
  }
  return jobs;
}

bool UploadRun::runJobs(const std::vector<FtpConnection*>& connections,
                        const std::vector<Job>& jobs, const StageTexts& texts,
                        const std::string& server) {
  std::atomic<size_t> next = 0;
  std::atomic<bool> ended = false;
  // Every connection takes the next job until none is left, the run has
  // failed on any connection, or a stop was requested.
  auto work = [&](FtpConnection* connection) {
    while (!ended) {
      if (abandoned_ || stopped()) {
        ended = true;
        return;
      }
      const size_t at = next++;
      if (at >= jobs.size()) return;
      const Job& job = jobs[at];
      if (!transfer(*connection, job, job.remote, texts, server)) ended = true;
    }
  };
  std::vector<std::thread> helpers;
  for (size_t i = 1; i < connections.size(); ++i) helpers.emplace_back(work, connections[i]);
  work(connections.front());
  for (std::thread& helper : helpers) helper.join();
  return !ended;
}

bool UploadRun::transferInOrder(FtpConnection& connection, const std::vector<Job>& jobs,
                                const CFileList& list, bool addOnFolder,
                                const StageTexts& texts, const std::string& server) {
  auto job = jobs.begin();
  for (; job != jobs.end() && job->entry->remoteFolder.empty(); ++job) {
    if (stopped() || !transfer(connection, *job, job->remote, texts, server)) return false;
  }
  if (addOnFolder && !enterFolder(connection, kAddOnFolder)) return false;
  for (const std::string& folder : list.remoteFolders()) {
    if (!isSingleFileName(folder)) {
      if (!skipFolder(folder, server)) return false;
      continue;
    }
    connection.createFolder(folder);
    if (!enterFolder(connection, folder)) return false;
    for (; job != jobs.end() && job->entry->remoteFolder == folder; ++job) {
      if (stopped() || !transfer(connection, *job, job->entry->remoteName, texts, server)) {
        return false;
      }
    }
    if (!enterFolder(connection, "..")) return false;
  }
  return true;
}

bool UploadRun::transfer(FtpConnection& connection, const Job& job,
                         const std::string& remoteName, const StageTexts& texts,
                         const std::string& server) {
  const std::filesystem::path& home = env_.home();
  CFileEntry& entry = *job.entry;
  // A remote name stays inside its remote folder: one that would lead
  // elsewhere on the server is refused, never sent or deleted.
  if (!isSingleFileName(entry.remoteName)) {
    return askToContinue("The file name '" + entry.remoteName + "' on " + server +
                         " is not a single name; it is neither sent nor deleted.");
  }
  bool uploaded = false;
  bool removed = false;
  std::string error;
  if (job.upload) {
    status_.setProgressText(texts.uploading + job.shown);
    const FtpTransferMode mode =
        entry.binaryTransfer == 1 ? FtpTransferMode::kBinary : FtpTransferMode::kAscii;
    uploaded = entry.localFile.empty() || remoteName.empty() ||
               connection.putFile(entry.localPath(home), remoteName, mode) == FtpReply::kDone;
    if (!uploaded) {
      error = "Error uploading file '" + remoteName + "' to " + server + ":\n" +
              connection.lastErrorText();
    }
  } else {
    status_.setProgressText(texts.deleting + job.shown);
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
  std::lock_guard<std::mutex> oneQuestion(asking_);
  if (abandoned_) return false;
  status_.setErrorText(error);
  status_.setState(WorkerState::kAsking);
  if (!env_.prompter().askYesNo(error + "\nDo you want to continue?")) {
    abandoned_ = true;
    status_.setState(WorkerState::kFailed);
    return false;
  }
  status_.setErrorText("Coninuting...");
  status_.setState(WorkerState::kRunning);
  return true;
}

bool UploadRun::skipFolder(const std::string& folder, const std::string& server) {
  return askToContinue("The folder name '" + folder + "' on " + server +
                       " is not a single name; its files are neither sent nor deleted.");
}

bool UploadRun::enterFolder(FtpConnection& connection, const std::string& folder) {
  if (connection.changeFolder(folder)) return true;
  fail("Could not find the directory " + folder);
  return false;
}

}  // namespace quorvex
