#ifndef QUORVEX_ORDERD_OUTBOX_MAILER_H_
#define QUORVEX_ORDERD_OUTBOX_MAILER_H_

#include <atomic>
#include <filesystem>

#include "orderd/mailer.h"

namespace quorvex {

// "Sends" e-mail by writing each message as an .eml file into a folder,
// for a server without mail or for a look at what would go out.
class OutboxMailer : public Mailer {
 public:
  explicit OutboxMailer(std::filesystem::path folder);

  // Writes the message as <folder>/<milliseconds since 1970>-<n>.eml, whole
  // or not at all (written under a temporary name, then renamed).
  Status send(const RenderedMail& mail) override;

 private:
  const std::filesystem::path folder_;
  std::atomic<unsigned> sequence_{0};
};

}  // namespace quorvex

#endif  // QUORVEX_ORDERD_OUTBOX_MAILER_H_
