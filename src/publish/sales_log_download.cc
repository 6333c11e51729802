#include "publish/sales_log_download.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <system_error>
#include <thread>
#include <utility>

#include "platform/atomic_file.h"
#include "publish/order_server.h"
#include "publish/sales_log_files.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

// The whole content of `file`; nullopt, with `error` set, when it cannot be
// read.
std::optional<std::string> readFile(const fs::path& file, std::string& error) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(file.c_str(), "rb"), &std::fclose);
  if (in == nullptr) {
    error = std::strerror(errno);
    return std::nullopt;
  }
  std::string content;
  char buffer[65536];
  size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, in.get())) > 0) content.append(buffer, got);
  if (std::ferror(in.get())) {
    error = std::strerror(errno);
    return std::nullopt;
  }
  return content;
}

// True when `file` can be created (it is, empty); otherwise sets `error`.
bool canCreate(const fs::path& file, std::string& error) {
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> out(std::fopen(file.c_str(), "wb"),
                                                       &std::fclose);
  if (out == nullptr) error = std::strerror(errno);
  return out != nullptr;
}

// The lines of a text file, each followed by "\n": a CR before a line feed
// is dropped, and a last line without a line feed counts as a line.
std::string textLines(const std::string& content) {
  std::string lines;
  size_t start = 0;
  while (start < content.size()) {
    size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    size_t line_end = end > start && content[end - 1] == '\r' ? end - 1 : end;
    lines.append(content, start, line_end - start);
    lines += '\n';
    start = end + 1;
  }
  return lines;
}

std::string withCrLf(const std::string& lines) {
  std::string text;
  text.reserve(lines.size() + lines.size() / 16);
  for (char c : lines) {
    if (c == '\n') text += '\r';
    text += c;
  }
  return text;
}

std::string trimLeadingSpace(const std::string& text) {
  size_t first = text.find_first_not_of(" \t\r\n");
  return first == std::string::npos ? std::string() : text.substr(first);
}

}  // namespace

SalesLogSettings SalesLogSettings::fromPreferences(const CFtp& ftp, std::string orderServerHost,
                                                   fs::path siteFolder) {
  SalesLogSettings settings;
  settings.orderServerHost = std::move(orderServerHost);
  settings.account = ftp.vendorId;
  settings.password = ftp.vendorPassword;
  settings.proxy = ftp.useProxy != 0 ? std::optional<FtpProxy>(FtpProxy{ftp.proxyHost, ftp.proxyPort})
                                     : std::nullopt;
  settings.siteFolder = std::move(siteFolder);
  return settings;
}

SalesLogDownload::SalesLogDownload(const SalesLogSettings& settings, const Env& env,
                                   WorkerStatus& status)
    : settings_(settings), env_(env), status_(status) {}

void SalesLogDownload::run() {
  std::unique_ptr<FtpSession> session = env_.ftp().openSession(settings_.proxy);
  if (session == nullptr) return fail("Failed to create a valid Internet session.");
  if (status_.stopRequested()) return status_.setState(WorkerState::kStopped);
  ServerConnection order =
      connectToOrderServer(*session, settings_.orderServerHost, settings_.account,
                           settings_.password, settings_.proxy.has_value());
  if (order.connection == nullptr) return fail(order.errorText);
  FtpConnection& connection = *order.connection;
  if (!connection.changeFolder(kSalesLogFolder)) return failTransfer(connection, order.serverName);
  bool kept = false;
  for (const char* name : kSalesLogNames) {
    Batch log = downloadLog(connection, order.serverName, name);
    if (log == Batch::kEnded) return;
    if (log == Batch::kAppended) status_.incrementCounter();
    kept = kept || log == Batch::kKept;
  }
  if (kept) return fail(kNotAllAppended);
  status_.setState(WorkerState::kFinished);
}

SalesLogDownload::Batch SalesLogDownload::downloadLog(FtpConnection& connection,
                                                      const std::string& serverName,
                                                      const std::string& name) {
  // A copy left by a download whose append did not complete comes first, and
  // must not be replaced by the renamed log.
  Batch left = takeBackup(connection, serverName, name);
  if (left == Batch::kEnded || left == Batch::kKept) return left;
  FtpReply renamed = connection.rename(name + ".dat", name + ".bak");
  if (renamed == FtpReply::kRefused) return left;  // nothing logged since
  if (renamed == FtpReply::kNoReply) {
    failTransfer(connection, serverName);
    return Batch::kEnded;
  }
  Batch fresh = takeBackup(connection, serverName, name);
  if (fresh != Batch::kMissing) return fresh;
  failTransfer(connection, serverName);  // the renamed log cannot be fetched
  return Batch::kEnded;
}

SalesLogDownload::Batch SalesLogDownload::takeBackup(FtpConnection& connection,
                                                     const std::string& serverName,
                                                     const std::string& name) {
  const std::string backup = name + ".bak";
  const fs::path copy = env_.home() / (name + ".dat");
  // A refused fetch must mean that the server has no L.bak, never that the
  // copy could not be made here.
  std::string error;
  if (!canCreate(copy, error)) {
    showFileError(error);
    fail(kNotAllAppended);
    return Batch::kEnded;
  }
  FtpReply fetched = connection.getFile(backup, copy, FtpTransferMode::kAscii);
  if (fetched == FtpReply::kRefused) return Batch::kMissing;
  if (fetched == FtpReply::kNoReply) {
    failTransfer(connection, serverName);
    return Batch::kEnded;
  }
  if (!appendLog(name)) return Batch::kKept;
  if (connection.remove(backup) != FtpReply::kDone) {
    fail("The new " + name + " entries were appended, but their copy on " + serverName +
         " could not be removed:\n" + trimLeadingSpace(connection.lastErrorText()) +
         "\nThe next download appends them again.");
    return Batch::kEnded;
  }
  return Batch::kAppended;
}

bool SalesLogDownload::appendLog(const std::string& name) {
  const fs::path fetched = env_.home() / (name + ".dat");
  std::string error;
  std::optional<std::string> content = readFile(fetched, error);
  // The server keeps its copy until the lines are appended, so the local copy
  // is never needed again.
  std::error_code ignored;
  fs::remove(fetched, ignored);
  if (!content) return showFileError(error);
  std::string new_lines = textLines(*content);
  if (new_lines.empty()) return true;

  const fs::path log = settings_.siteFolder / (name + ".csv");
  std::string old_lines;
  std::error_code made;
  fs::create_directories(settings_.siteFolder, made);
  if (made) return showFileError(made.message());
  if (fs::exists(log)) {
    std::optional<std::string> old_content = readFile(log, error);
    // Writing now would lose the old lines.
    if (!old_content) return showFileError(error);
    old_lines = textLines(*old_content);
  }
  Status written = replaceFileAtomically(log, withCrLf(old_lines + new_lines));
  if (!written.ok()) return showFileError(written.message());
  return true;
}

void SalesLogDownload::fail(std::string text) {
  status_.setErrorText(std::move(text));
  status_.setState(WorkerState::kFailed);
}

void SalesLogDownload::failTransfer(const FtpConnection& connection,
                                    const std::string& serverName) {
  const std::string text = trimLeadingSpace(connection.lastErrorText());
  fail("Error downloading sales logs from " + serverName + (text.empty() ? "." : ":\n" + text));
}

bool SalesLogDownload::showFileError(const std::string& description) {
  env_.prompter().showMessage("FILE ERROR: " + description);
  return false;
}

SalesLogOutcome downloadSalesLogs(const SalesLogSettings& settings, const Env& env) {
  WorkerStatus status;
  std::thread worker([&] {
    try {
      SalesLogDownload(settings, env, status).run();
    } catch (const std::exception& error) {
      status.setErrorText(error.what());
      status.setState(WorkerState::kFailed);
    }
  });
  worker.join();
  if (status.state() != WorkerState::kFinished) {
    std::string error = status.errorText();
    if (!error.empty()) env.prompter().showMessage(error, PromptIcon::kWarning);
    return SalesLogOutcome::kFailed;
  }
  return status.counter() == 0 ? SalesLogOutcome::kNothingNew : SalesLogOutcome::kAppended;
}

std::string salesLogsAppendedMessage(const fs::path& siteFolder) {
  return "The sales logs have been appended to your local log files, and may be accessed in this "
         "folder:\n  " +
         siteFolder.string() +
         "\nThe logs are saved under the filenames 'header.csv', 'items.csv', 'payment.csv', "
         "and 'misc.csv'.";
}

}  // namespace quorvex
