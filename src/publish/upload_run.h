#ifndef QUORVEX_PUBLISH_UPLOAD_RUN_H_
#define QUORVEX_PUBLISH_UPLOAD_RUN_H_

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/env.h"
#include "platform/ftp_client.h"
#include "platform/server_url.h"
#include "platform/worker_status.h"
#include "publish/file_list.h"
#include "publish/upload_settings.h"

namespace quorvex {

// The upload run, the worker behind the publish dialog: sends the changed
// files of the order-server file list to the order server and those of the
// web file list to the user's web server, deletes there the files the site
// no longer contains, and records each transfer on its entry (markPublished,
// clearPublished).
//
// Each stage opens a connection only when its list has something to send or
// delete. A stage with many files opens more connections to the same server
// (one for every kFilesPerConnection files waiting, up to the settings'
// connectionsPerServer) and shares the files among them: every upload of the
// stage ends before its first deletion, and the order server's stage ends
// before the web server's begins. Extra logins that fail leave the work to
// the connections already open. A small stage keeps one connection and goes
// through the list in order.
//
// Progress texts, the counter of files handled and the final state go to the
// status block; a failed upload asks through the prompter whether to go on.
// A stop request takes effect before the next file on every connection. A
// file whose upload failed is never recorded as published, and a deletion
// that got no answer from the server stays pending, so the lists never claim
// that the server holds something it may not hold.
class UploadRun {
 public:
  // Everything passed in must outlive the run. The run is the only one to
  // touch the lists' entries until it has ended.
  UploadRun(const UploadSettings& settings, CFileList& webFiles, CFileList& orderServerFiles,
            const Env& env, WorkerStatus& status);

  // Runs to the end; the block's state is then kFailed, kFinished or
  // kStopped.
  void run();

  // The files waiting in a stage for each connection it opens.
  static constexpr size_t kFilesPerConnection = 8;

 private:
  // What a stage calls the files it transfers.
  struct StageTexts {
    const char* uploading;
    const char* deleting;
  };
  enum class Pending { kNothing, kSomething, kStopped };
  // Logs in to the stage's server once more; no connection when it cannot.
  using Reconnect = std::function<std::unique_ptr<FtpConnection>()>;
  // One file of a stage to send or delete, decided once per stage.
  struct Job {
    CFileEntry* entry;
    // True to send it, false to delete it.
    bool upload;
    // Its name relative to the start folder, and as progress shows it.
    std::string remote;
    std::string shown;
  };

  // Returns true (after writing kStopped) when a stop was requested.
  bool stopped();
  // Ends the run with kFailed and `text` as the error text.
  void fail(std::string text);
  // Looks for an entry to upload or delete, with a stop point per entry.
  Pending findPending(const CFileList& list);

  // Each stage returns false when the run has ended in it.
  bool orderServerStage(FtpSession& session, const std::optional<ServerUrl>& webUrl);
  bool webStage(FtpSession& session, const ServerUrl& webUrl);

  // Transfers what `list` has to send or delete, the connection being in the
  // start folder; more connections come from `reconnect` and are led into
  // the start folder through `startParts`.
  [[nodiscard]] bool transferStage(FtpConnection& connection, const Reconnect& reconnect,
                                   const std::vector<std::string>& startParts, CFileList& list,
                                   const StageTexts& texts, const std::string& server,
                                   bool addOnLayout);
  // Lists the files of `list` to send or delete, reading each file once:
  // those of the start folder in list order, then those of each remote
  // folder in the order of remoteFolders(). Each is named relative to the
  // start folder: below "Quorvex" with `addOnFolder` (except the entries
  // bound to the root), and "folder/name" for the entries of a remote
  // folder. Folders that are not a single name are left out.
  std::vector<Job> listJobs(CFileList& list, bool addOnFolder) const;
  // Shares `jobs` among `connections`, one thread each. Returns false when
  // the run has ended (failed or stopped).
  [[nodiscard]] bool runJobs(const std::vector<FtpConnection*>& connections,
                             const std::vector<Job>& jobs, const StageTexts& texts,
                             const std::string& server);
  // Transfers `jobs` (as listJobs orders them) through one connection in
  // that order: those of the start folder from there, then those of each
  // remote folder of `list` from within it (the "Quorvex" folder's with
  // `addOnFolder`).
  [[nodiscard]] bool transferInOrder(FtpConnection& connection, const std::vector<Job>& jobs,
                                     const CFileList& list, bool addOnFolder,
                                     const StageTexts& texts, const std::string& server);
  // Uploads or deletes the job's entry under `remoteName`, then records the
  // outcome.
  [[nodiscard]] bool transfer(FtpConnection& connection, const Job& job,
                              const std::string& remoteName, const StageTexts& texts,
                              const std::string& server);
  // Shows `error` and asks whether to go on; returns false (the run has
  // failed) for No, and without asking when another connection's question
  // already ended the run. One question at a time.
  [[nodiscard]] bool askToContinue(const std::string& error);
  // Asks whether to go on without the files of `folder`, a name that would
  // lead elsewhere on the server; returns false (the run has failed) for No.
  [[nodiscard]] bool skipFolder(const std::string& folder, const std::string& server);
  // Changes into `folder`; fails the run when the server cannot.
  [[nodiscard]] bool enterFolder(FtpConnection& connection, const std::string& folder);

  const UploadSettings& settings_;
  CFileList& web_files_;
  CFileList& order_server_files_;
  const Env& env_;
  WorkerStatus& status_;
  // Held while a question is asked, so that only one connection asks at a
  // time.
  std::mutex asking_;
  // Set when a question was answered No: the other connections end too.
  std::atomic<bool> abandoned_ = false;
};

}  // namespace quorvex

#endif  // QUORVEX_PUBLISH_UPLOAD_RUN_H_
