#ifndef QUORVEX_ORDERD_SMTP_MAILER_H_
#define QUORVEX_ORDERD_SMTP_MAILER_H_

#include <string>

#include "orderd/mailer.h"

namespace quorvex {

// Sends e-mail through an SMTP server with libcurl, one connection per
// message.
class SmtpMailer : public Mailer {
 public:
  // `url` names the server ("smtp://host:port", or "smtps://..."); `user`
  // and `password` log in when `user` is not empty.
  SmtpMailer(std::string url, std::string user, std::string password);

  Status send(const RenderedMail& mail) override;

 private:
  const std::string url_;
  const std::string user_;
  const std::string password_;
};

}  // namespace quorvex

#endif  // QUORVEX_ORDERD_SMTP_MAILER_H_
