#include "orderd/outbox_mailer.h"

#include <chrono>

#include "platform/atomic_file.h"

namespace quorvex {

OutboxMailer::OutboxMailer(std::filesystem::path folder) : folder_(std::move(folder)) {}

Status OutboxMailer::send(const RenderedMail& mail) {
  const auto now = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::system_clock::now().time_since_epoch());
  const std::string name =
      std::to_string(now.count()) + "-" + std::to_string(sequence_++) + ".eml";
  return replaceFileAtomically(folder_ / name, mail.text);
}

}  // namespace quorvex
