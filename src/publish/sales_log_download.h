#ifndef QUORVEX_PUBLISH_SALES_LOG_DOWNLOAD_H_
#define QUORVEX_PUBLISH_SALES_LOG_DOWNLOAD_H_

#include <filesystem>
#include <optional>
#include <string>

#include "platform/env.h"
#include "platform/ftp_client.h"
#include "platform/worker_status.h"
#include "publish/ftp_settings.h"

namespace quorvex {

// What the sales-log download needs, copied from the document before the
// worker starts.
struct SalesLogSettings {
  std::string orderServerHost;
  // The merchant's account on the order server, as entered (neither cut nor
  // lowered).
  std::string account;
  std::string password;
  std::optional<FtpProxy> proxy;
  // The site folder, where the accumulated .csv logs are kept.
  std::filesystem::path siteFolder;

  static SalesLogSettings fromPreferences(const CFtp& ftp, std::string orderServerHost,
                                          std::filesystem::path siteFolder);
};

// The sales-log download, a worker: fetches the entries the order server
// logged since the last download and appends them to header.csv, items.csv,
// payment.csv and misc.csv in the site folder.
//
// On the server, in the folder ".logFile", each log L.dat is renamed to L.bak
// and L.bak is fetched (ASCII) into L.dat in the program folder; its lines are
// copied as they are, each ending in CR LF, after the old lines of L.csv,
// which is replaced as a whole (atomically). Only then is L.bak removed from
// the server, so an entry that could not be appended stays there: a download
// first fetches and appends an L.bak it finds, and renames L.dat only when no
// L.bak is left. A log without new entries leaves its .csv untouched; a
// server without new entries is no failure. A file error is shown as
// "FILE ERROR: ..." and the download goes on with the next log, but does not
// report success.
class SalesLogDownload {
 public:
  static constexpr const char* kNotAllAppended =
      "Some sales log entries could not be appended to your local log files.\nThey stay on "
      "the server and are fetched again by the next download.";

  // Everything passed in must outlive the download.
  SalesLogDownload(const SalesLogSettings& settings, const Env& env, WorkerStatus& status);

  // Runs to the end; the block's state is then kFailed, kFinished or
  // kStopped, and a failure's text is the block's error text. kFinished
  // means that every fetched log was appended; the block's counter then
  // holds how many logs brought new entries (0: the server had none).
  void run();

 private:
  // What became of the entries of one log.
  enum class Batch {
    kMissing,   // the server had none to give
    kAppended,  // appended and removed from the server
    kKept,      // not appended (the file error was shown); the server keeps them
    kEnded,     // the server failed; the run has ended with its error
  };

  // Fetches and appends what the server holds of the log `name`: a left
  // L.bak, then the entries logged since.
  Batch downloadLog(FtpConnection& connection, const std::string& serverName,
                    const std::string& name);
  // Fetches L.bak, appends it and removes it from the server.
  Batch takeBackup(FtpConnection& connection, const std::string& serverName,
                   const std::string& name);
  // Appends the fetched copy of the log `name` to its .csv file and deletes
  // the copy. Returns false after showing the file error.
  [[nodiscard]] bool appendLog(const std::string& name);
  void fail(std::string text);
  // Ends the run with the connection's last error.
  void failTransfer(const FtpConnection& connection, const std::string& serverName);
  // Shows "FILE ERROR: " + `description`; returns false.
  bool showFileError(const std::string& description);

  const SalesLogSettings& settings_;
  const Env& env_;
  WorkerStatus& status_;
};

// What the user is told when the server had no new entries.
inline constexpr char kNoNewSalesLogEntries[] = "No new sales log entries.";

// Returns what the user is told after new entries were appended: the site
// folder, as `siteFolder` spells it, and the names of the four files.
std::string salesLogsAppendedMessage(const std::filesystem::path& siteFolder);

// How a download ended.
enum class SalesLogOutcome { kAppended, kNothingNew, kFailed };

// Runs the sales-log download on a worker thread and waits for it, as the
// progress dialog in its sales-log mode does: a failure's text is shown with
// the exclamation icon. Telling the user of a success is left to the caller.
[[nodiscard]] SalesLogOutcome downloadSalesLogs(const SalesLogSettings& settings, const Env& env);

}  // namespace quorvex

#endif  // QUORVEX_PUBLISH_SALES_LOG_DOWNLOAD_H_
