#include "orderd/mail_spool.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/regular_file.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

constexpr char kMailExtension[] = ".mail";
constexpr char kFailedFolder[] = "failed";
// Far above any order's mail; a larger file is no mail of the spool.
constexpr size_t kMaxSpooledBytes = 16 * 1024 * 1024;
// How often the sender looks at the folder when nothing woke it.
constexpr std::chrono::seconds kIdleLook{30};

std::string paddedNumber(uint64_t number, int digits) {
  char text[24];
  std::snprintf(text, sizeof text, "%0*llu", digits, static_cast<unsigned long long>(number));
  return text;
}

std::string spoolText(const RenderedMail& mail) {
  std::string recipients;
  for (const std::string& to : mail.to) recipients += (recipients.empty() ? "" : " ") + to;
  return mail.from + "\n" + recipients + "\n" + mail.text;
}

// Reads a spool file back; nullopt when it is not one.
std::optional<RenderedMail> mailOf(const std::string& file) {
  const size_t fromEnd = file.find('\n');
  const size_t toEnd = fromEnd == std::string::npos ? fromEnd : file.find('\n', fromEnd + 1);
  if (toEnd == std::string::npos) return std::nullopt;
  RenderedMail mail{file.substr(0, fromEnd), {}, file.substr(toEnd + 1)};
  const std::string recipients = file.substr(fromEnd + 1, toEnd - fromEnd - 1);
  for (size_t start = 0; start < recipients.size();) {
    const size_t end = std::min(recipients.find(' ', start), recipients.size());
    if (end > start) mail.to.push_back(recipients.substr(start, end - start));
    start = end + 1;
  }
  if (mail.from.empty() || mail.to.empty()) return std::nullopt;
  return mail;
}

// The spool's mails, oldest first.
std::vector<fs::path> waitingMails(const fs::path& folder) {
  std::vector<fs::path> mails;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    const std::string name = entry.path().filename().string();
    if (name.front() != '.' && name.ends_with(kMailExtension)) mails.push_back(entry.path());
  }
  if (error) std::cerr << folder.string() << ": " << error.message() << "\n";
  std::sort(mails.begin(), mails.end());
  return mails;
}

// Removes the temporary files of puts that a crash cut short.
void removeUnfinished(const fs::path& folder) {
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
    if (entry.path().filename().string().front() == '.') fs::remove(entry.path(), error);
  }
}

void report(const fs::path& mail, const std::string& why) {
  std::cerr << mail.filename().string() << ": " << why << "\n";
}

}  // namespace

MailSpool::MailSpool(fs::path folder, Mailer& mailer)
    : folder_(std::move(folder)), mailer_(mailer) {}

MailSpool::~MailSpool() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  if (sender_.joinable()) sender_.join();
}

Status MailSpool::start() {
  std::error_code error;
  fs::create_directories(folder_ / kFailedFolder, error);
  if (error) {
    return Status::ioError("Cannot make the mail spool " + folder_.string() + ": " +
                           error.message());
  }
  removeUnfinished(folder_);
  sender_ = std::thread([this] { sendAll(); });
  return Status::success();
}

Status MailSpool::put(const RenderedMail& mail) {
  const auto now = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::system_clock::now().time_since_epoch());
  uint64_t number = 0;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    number = sequence_++;
  }
  const fs::path file = folder_ / (paddedNumber(static_cast<uint64_t>(now.count()), 16) + "-" +
                                   paddedNumber(number % 100000000, 8) + kMailExtension);
  if (Status written = replaceFileAtomically(file, spoolText(mail)); !written.ok()) {
    return written;
  }
  {
    std::lock_guard<std::mutex> lock(mutex_);
    newMail_ = true;
  }
  wake_.notify_one();
  return Status::success();
}

void MailSpool::sendAll() {
  auto pause = std::chrono::seconds(1);
  for (;;) {
    const bool sent = sendWaiting();
    std::unique_lock<std::mutex> lock(mutex_);
    if (sent) {
      pause = std::chrono::seconds(1);
      wake_.wait_for(lock, kIdleLook, [this] { return stopping_ || newMail_; });
    } else {
      // New mail does not shorten the pause: the mailer is failing.
      wake_.wait_for(lock, pause, [this] { return stopping_; });
      pause = std::min(pause * 2, std::chrono::duration_cast<std::chrono::seconds>(kMaxRetryPause));
    }
    if (stopping_) return;
    newMail_ = false;
  }
}

bool MailSpool::sendWaiting() {
  for (const fs::path& file : waitingMails(folder_)) {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      if (stopping_) return true;
    }
    // A file that cannot be read as a mail is set aside, never retried.
    std::string text;
    const Status read = readRegularFile(file, kMaxSpooledBytes, &text);
    const std::optional<RenderedMail> mail = read.ok() ? mailOf(text) : std::nullopt;
    const Status sent = !read.ok() ? Status::corruption(read.message())
                        : mail     ? mailer_.send(*mail)
                                   : Status::corruption("not a spooled mail");
    std::error_code error;
    if (sent.ok()) {
      fs::remove(file, error);
    } else if (sent.code() == Status::Code::kIOError) {
      report(file, sent.message() + " (will be tried again)");
      return false;
    } else {
      report(file, sent.message() + " (moved to " + kFailedFolder + ")");
      fs::rename(file, folder_ / kFailedFolder / file.filename(), error);
    }
    if (error) report(file, error.message());
  }
  return true;
}

}  // namespace quorvex
