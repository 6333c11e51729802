#include "platform/curl_ftp_client.h"

#include <curl/curl.h>

#include <mutex>
#include <utility>

namespace quorvex {

namespace {

// The settings the connections of one session share.
class CurlFtpSession : public FtpSession {
 public:
  CurlFtpSession(std::optional<FtpProxy> proxy, const CurlFtpOptions& options)
      : proxy_(std::move(proxy)), options_(options) {}

  FtpLogin connect(const FtpServerAddress& server, const std::string& user,
                   const std::string& password, bool passive) override {
    return CurlFtpConnection::open(server, user, password, passive, proxy_, options_);
  }

 private:
  std::optional<FtpProxy> proxy_;
  CurlFtpOptions options_;
};

bool initialiseCurl() {
  static std::once_flag once;
  static bool initialised = false;
  std::call_once(once, [] { initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK; });
  return initialised;
}

}  // namespace

CurlFtpClient::CurlFtpClient(CurlFtpOptions options) : options_(std::move(options)) {}

std::unique_ptr<FtpSession> CurlFtpClient::openSession(const std::optional<FtpProxy>& proxy) {
  if (!initialiseCurl()) return nullptr;
  return std::make_unique<CurlFtpSession>(proxy, options_);
}

}  // namespace quorvex
