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

namespace quorvex {

namespace fs = std::filesystem;

namespace {

// The logs, always handled in this order.
constexpr const char* kLogNames[] = {"header", "items", "payment", "misc"};

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
  if (!fetchLogs(*order.connection, order.serverName)) return;
  order.connection.reset();
  for (const char* name : kLogNames) appendLog(name);
  status_.setState(WorkerState::kFinished);
}

bool SalesLogDownload::fetchLogs(FtpConnection& connection, const std::string& serverName) {
  connection.changeFolder(".logFile");
  for (const char* name : kLogNames) {
    connection.rename(std::string(name) + ".dat", std::string(name) + ".bak");
  }
  for (const char* name : kLogNames) {
    FtpReply reply = connection.getFile(std::string(name) + ".bak",
                                        env_.home() / (std::string(name) + ".dat"),
                                        FtpTransferMode::kAscii);
    if (reply == FtpReply::kDone) continue;
    // A refusal means there is nothing to fetch; anything else is an error
    // worth describing.
    std::string text =
        reply == FtpReply::kRefused ? "" : trimLeadingSpace(connection.lastErrorText());
    fail(text.empty() ? "No new sales log entries"
                      : "Error downloading sales logs from " + serverName + ":\n" + text);
    return false;
  }
  return true;
}

void SalesLogDownload::appendLog(const std::string& name) {
  const fs::path fetched = env_.home() / (name + ".dat");
  std::string error;
  std::optional<std::string> content = readFile(fetched, error);
  if (!content) showFileError(error);
  std::error_code removed;
  fs::remove(fetched, removed);
  if (removed) showFileError(removed.message());
  std::string new_lines = textLines(content.value_or(""));
  if (new_lines.empty()) return;

  // The fetched lines are nowhere else now: a missing site folder is made.
  std::error_code made;
  fs::create_directories(settings_.siteFolder, made);
  const fs::path log = settings_.siteFolder / (name + ".csv");
  std::string old_lines;
  if (fs::exists(log)) {
    std::optional<std::string> old_content = readFile(log, error);
    if (!old_content) {
      // Writing now would lose the old lines.
      showFileError(error);
      return;
    }
    old_lines = textLines(*old_content);
  }
  Status written = replaceFileAtomically(log, withCrLf(old_lines + new_lines));
  if (!written.ok()) showFileError(written.message());
}

void SalesLogDownload::fail(std::string text) {
  status_.setErrorText(std::move(text));
  status_.setState(WorkerState::kFailed);
}

void SalesLogDownload::showFileError(const std::string& description) {
  env_.prompter().showMessage("FILE ERROR: " + description);
}

bool downloadSalesLogs(const SalesLogSettings& settings, const std::string& companyName,
                       const Env& env) {
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
    return false;
  }
  env.prompter().showMessage(
      "The sales logs have been appended to your local log files, and may be accessed in this "
      "directory:\n  " +
      companyName +
      "\\\nThe logs are saved under the filenames 'header.csv', 'items.csv', 'payment.csv', and "
      "'misc.csv'.");
  return true;
}

}  // namespace quorvex
