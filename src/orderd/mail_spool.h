#ifndef QUORVEX_ORDERD_MAIL_SPOOL_H_
#define QUORVEX_ORDERD_MAIL_SPOOL_H_

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <thread>

#include "orderd/mail_message.h"
#include "orderd/mailer.h"
#include "platform/status.h"

namespace quorvex {

// The order server's outgoing mail, kept on disk until it is delivered. An
// order's mails are put into the spool before the order is answered; a
// sender thread hands them to the mailer, oldest first, and removes each
// only when the mailer took it. When the mailer fails, the sender tries
// again after a pause that doubles from one second up to kMaxRetryPause; a
// mail the server refuses for good is moved to the folder "failed" of the
// spool, with the reason on stderr. Mails left by an earlier run (a crash,
// a restart) are sent when the sender starts.
//
// A mail is the file <spool>/<16-digit milliseconds>-<8-digit number>.mail:
// the sender's address on the first line, the recipients on the second
// (separated by blanks), then the rendered message.
class MailSpool {
 public:
  static constexpr std::chrono::seconds kMaxRetryPause{30};

  // `mailer` must outlive the spool.
  MailSpool(std::filesystem::path folder, Mailer& mailer);
  // Stops the sender; mails not yet sent stay in the folder.
  ~MailSpool();
  MailSpool(const MailSpool&) = delete;
  MailSpool& operator=(const MailSpool&) = delete;

  // Makes the folder when missing and starts the sender; fails when the
  // folder cannot be made.
  [[nodiscard]] Status start();

  // Writes `mail` into the spool, on disk when this returns success, and
  // wakes the sender. Safe from several threads at once. The addresses
  // must be plain (isPlainEmailAddress()).
  [[nodiscard]] Status put(const RenderedMail& mail);

 private:
  // Sends what the folder holds until stopped.
  void sendAll();
  // Sends the waiting mails once, oldest first; false when the mailer
  // failed on one (the rest wait for the next round).
  bool sendWaiting();

  const std::filesystem::path folder_;
  Mailer& mailer_;
  std::thread sender_;
  std::mutex mutex_;
  std::condition_variable wake_;
  // Under mutex_: mails were put since the sender last looked; stop asked.
  bool newMail_ = false;
  bool stopping_ = false;
  // Under mutex_: numbers the mails put within one millisecond.
  uint64_t sequence_ = 0;
};

}  // namespace quorvex

#endif  // QUORVEX_ORDERD_MAIL_SPOOL_H_
