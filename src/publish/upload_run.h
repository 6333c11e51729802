#ifndef QUORVEX_PUBLISH_UPLOAD_RUN_H_
#define QUORVEX_PUBLISH_UPLOAD_RUN_H_

#include <optional>
#include <string>

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
// Each stage holds one connection, opened only when its list has something
// to send or delete. Progress texts, the counter of files handled and the
// final state go to the status block; a failed upload asks through the
// prompter whether to go on. A stop request takes effect before the next
// file. A file whose upload failed is never recorded as published, and a
// deletion that got no answer from the server stays pending, so the lists
// never claim that the server holds something it may not hold.
class UploadRun {
 public:
  // Everything passed in must outlive the run. The run is the only one to
  // touch the lists' entries until it has ended.
  UploadRun(const UploadSettings& settings, CFileList& webFiles, CFileList& orderServerFiles,
            const Env& env, WorkerStatus& status);

  // Runs to the end; the block's state is then kFailed, kFinished or
  // kStopped.
  void run();

 private:
  // What a stage calls the files it transfers.
  struct StageTexts {
    const char* uploading;
    const char* deleting;
  };
  enum class Pending { kNothing, kSomething, kStopped };

  // Returns true (after writing kStopped) when a stop was requested.
  bool stopped();
  // Ends the run with kFailed and `text` as the error text.
  void fail(std::string text);
  // Looks for an entry to upload or delete, with a stop point per entry.
  Pending findPending(const CFileList& list);

  // Each stage returns false when the run has ended in it.
  bool orderServerStage(FtpSession& session, const std::optional<ServerUrl>& webUrl);
  bool webStage(FtpSession& session, const ServerUrl& webUrl);

  // Transfers the entries of the start folder. On an add-on site, with
  // `addOnLayout`, those not bound to the root go to the "Quorvex" folder.
  [[nodiscard]] bool transferRootEntries(FtpConnection& connection, CFileList& list,
                                         const StageTexts& texts, const std::string& server,
                                         bool addOnLayout);
  // Transfers the entries of each remote folder of `list` from within it.
  [[nodiscard]] bool transferFolders(FtpConnection& connection, CFileList& list,
                                     const StageTexts& texts, const std::string& server);
  // Uploads or deletes one entry if it needs it, then records the outcome.
  [[nodiscard]] bool transfer(FtpConnection& connection, CFileEntry& entry,
                              const std::string& remoteName, const std::string& shownName,
                              const StageTexts& texts, const std::string& server);
  // Shows `error` and asks whether to go on; returns false (the run has
  // failed) for No.
  [[nodiscard]] bool askToContinue(const std::string& error);
  // Changes into `folder`; fails the run when the server cannot.
  [[nodiscard]] bool enterFolder(FtpConnection& connection, const std::string& folder);

  const UploadSettings& settings_;
  CFileList& web_files_;
  CFileList& order_server_files_;
  const Env& env_;
  WorkerStatus& status_;
};

}  // namespace quorvex

#endif  // QUORVEX_PUBLISH_UPLOAD_RUN_H_
