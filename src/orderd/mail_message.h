#ifndef QUORVEX_ORDERD_MAIL_MESSAGE_H_
#define QUORVEX_ORDERD_MAIL_MESSAGE_H_

#include <string>
#include <vector>

namespace quorvex {

// One e-mail of the order server: plain text in Windows-1252.
struct MailMessage {
  std::string from;
  std::vector<std::string> to;
  std::string subject;
  // Lines end in CR LF or LF.
  std::string body;

  // Returns the message as it goes over SMTP or into an .eml file: the
  // headers (line breaks in the subject become spaces, so no value can add
  // a header), an empty line and the body, every line ending in CR LF.
  std::string render() const;
};

// A message ready to go: its envelope and its text (MailMessage::render()),
// as it waits in the mail spool.
struct RenderedMail {
  std::string from;
  std::vector<std::string> to;
  std::string text;
};

}  // namespace quorvex

#endif  // QUORVEX_ORDERD_MAIL_MESSAGE_H_
