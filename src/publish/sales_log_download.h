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
// On the server, in the folder ".logFile", each log L.dat is first renamed to
// L.bak; then the four L.bak files are fetched (ASCII) into L.dat in the
// program folder. Only when all four have arrived are they appended: the
// lines are copied as they are, each ending in CR LF, after the old lines of
// L.csv; a log without lines leaves its .csv untouched. File errors are shown
// as "FILE ERROR: ..." and the download goes on with the next step.
class SalesLogDownload {
 public:
  // Everything passed in must outlive the download.
  SalesLogDownload(const SalesLogSettings& settings, const Env& env, WorkerStatus& status);

  // Runs to the end; the block's state is then kFailed, kFinished or
  // kStopped, and a failure's text is the block's error text.
  void run();

 private:
  // Fetches the four logs into the program folder; false when the run ended.
  bool fetchLogs(FtpConnection& connection, const std::string& serverName);
  // Appends the fetched log `name` to its .csv file and deletes the copy.
  void appendLog(const std::string& name);
  void fail(std::string text);
  void showFileError(const std::string& description);

  const SalesLogSettings& settings_;
  const Env& env_;
  WorkerStatus& status_;
};

// Runs the sales-log download on a worker thread and waits for it, as the
// progress dialog in its sales-log mode does: a failure's text is shown with
// the exclamation icon; success is reported with the text that names the
// company's folder and the four files. Returns true on success.
bool downloadSalesLogs(const SalesLogSettings& settings, const std::string& companyName,
                       const Env& env);

}  // namespace quorvex

#endif  // QUORVEX_PUBLISH_SALES_LOG_DOWNLOAD_H_
