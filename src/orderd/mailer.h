#ifndef QUORVEX_ORDERD_MAILER_H_
#define QUORVEX_ORDERD_MAILER_H_

#include "orderd/mail_message.h"
#include "platform/status.h"

namespace quorvex {

// Sends the order server's e-mails. Implementations are safe to call from
// several threads at once.
class Mailer {
 public:
  virtual ~Mailer() = default;
  // Sends `mail`; fails with a message saying why it could not: refused()
  // when the server refused the message for good (it will never take it),
  // another failure when a later attempt may succeed.
  virtual Status send(const RenderedMail& mail) = 0;
};

}  // namespace quorvex

#endif  // QUORVEX_ORDERD_MAILER_H_
