#include "orderd/mail_message.h"

#include <ctime>

namespace quorvex {

namespace {

std::string oneLine(std::string text) {
  for (char& c : text) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return text;
}

std::string crlfLines(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') continue;
    if (text[i] == '\n') out += '\r';
    out += text[i];
  }
  if (!out.empty() && !out.ends_with("\r\n")) out += "\r\n";
  return out;
}

}  // namespace

std::string MailMessage::render() const {
  std::string recipients;
  for (const std::string& address : to) recipients += (recipients.empty() ? "" : ", ") + address;
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  char date[64];
  std::strftime(date, sizeof date, "%a, %d %b %Y %H:%M:%S +0000", &utc);
  return "From: " + oneLine(from) + "\r\nTo: " + oneLine(recipients) + "\r\nSubject: " +
         oneLine(subject) + "\r\nDate: " + date +
         "\r\nMIME-Version: 1.0\r\nContent-Type: text/plain; charset=windows-1252\r\n"
         "Content-Transfer-Encoding: 8bit\r\n\r\n" +
         crlfLines(body);
}

}  // namespace quorvex
