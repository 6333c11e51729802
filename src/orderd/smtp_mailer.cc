#include "orderd/smtp_mailer.h"

#include <curl/curl.h>

#include <cstring>
#include <memory>

namespace quorvex {

namespace {

struct Upload {
  std::string text;
  size_t sent = 0;
};

size_t readUpload(char* buffer, size_t size, size_t count, void* data) {
  auto* upload = static_cast<Upload*>(data);
  const size_t n = std::min(size * count, upload->text.size() - upload->sent);
  std::memcpy(buffer, upload->text.data() + upload->sent, n);
  upload->sent += n;
  return n;
}

std::string angled(const std::string& address) { return "<" + address + ">"; }

}  // namespace

SmtpMailer::SmtpMailer(std::string url, std::string user, std::string password)
    : url_(std::move(url)), user_(std::move(user)), password_(std::move(password)) {}

Status SmtpMailer::send(const RenderedMail& mail) {
  std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
  if (!curl) return Status::ioError("Could not start an SMTP session.");
  curl_slist* recipients = nullptr;
  for (const std::string& address : mail.to) {
    recipients = curl_slist_append(recipients, angled(address).c_str());
  }
  std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> recipientList(recipients,
                                                                            curl_slist_free_all);
  Upload upload{mail.text};
  const std::string from = angled(mail.from);
  char error[CURL_ERROR_SIZE] = "";
  curl_easy_setopt(curl.get(), CURLOPT_URL, url_.c_str());
  curl_easy_setopt(curl.get(), CURLOPT_MAIL_FROM, from.c_str());
  curl_easy_setopt(curl.get(), CURLOPT_MAIL_RCPT, recipients);
  curl_easy_setopt(curl.get(), CURLOPT_READFUNCTION, readUpload);
  curl_easy_setopt(curl.get(), CURLOPT_READDATA, &upload);
  curl_easy_setopt(curl.get(), CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(curl.get(), CURLOPT_ERRORBUFFER, error);
  curl_easy_setopt(curl.get(), CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl.get(), CURLOPT_TIMEOUT, 30L);
  if (!user_.empty()) {
    curl_easy_setopt(curl.get(), CURLOPT_USERNAME, user_.c_str());
    curl_easy_setopt(curl.get(), CURLOPT_PASSWORD, password_.c_str());
    curl_easy_setopt(curl.get(), CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_TRY));
  }
  const CURLcode result = curl_easy_perform(curl.get());
  if (result != CURLE_OK) {
    long reply = 0;
    curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &reply);
    std::string why = "Mail to " + mail.to.front() + " failed: " +
                      (error[0] ? error : curl_easy_strerror(result));
    // A 5xx reply refuses the message for good; anything else may pass later.
    return reply >= 500 ? Status::refused(std::move(why)) : Status::ioError(std::move(why));
  }
  return Status::success();
}

}  // namespace quorvex
