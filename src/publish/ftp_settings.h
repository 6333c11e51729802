#ifndef QUORVEX_PUBLISH_FTP_SETTINGS_H_
#define QUORVEX_PUBLISH_FTP_SETTINGS_H_

#include <cstdint>
#include <string>
#include <vector>

#include "document/record.h"

namespace quorvex {

// The server preferences: how to reach the user's web server and the
// vendor's order server, the order-processing options the shop page passes to
// the order server, and two generation settings (Base HREF, JPEG quality).
// Flags are 1 for on and 0 for off.
class CFtp : public Record {
  QUORVEX_RECORD(CFtp)

 public:
  // An inclusive range of accepted integer values.
  struct IntRange {
    int32_t min;
    int32_t max;
    bool contains(int32_t value) const { return value >= min && value <= max; }
  };
  // The values the advanced preferences accept for jpegQuality and
  // downloadExpiryDays.
  static constexpr IntRange kJpegQualityRange{1, 100};
  static constexpr IntRange kDownloadExpiryDaysRange{1, 9999};

  // The user's web server: host, login and the start folder for uploads.
  std::string ftpHost;
  std::string ftpUser;
  std::string ftpPassword;
  std::string ftpFolder;
  // The user's account on the order server.
  std::string vendorId;
  std::string vendorPassword;
  // An FTP proxy, used for every FTP session when useProxy is set.
  std::string proxyHost;
  std::string proxyPort;
  int32_t useProxy = 0;
  // Where the order server sends the orders.
  std::string orderEmail;
  // Written into the index page as its base address when not empty.
  std::string baseHref;
  // The JPEG quality level of converted pictures (kJpegQualityRange).
  int32_t jpegQuality = 90;
  // How long a bought download stays available (kDownloadExpiryDaysRange).
  int32_t downloadExpiryDays = 7;
  int32_t useCookies = 1;
  int32_t usePgp = 0;
  std::string pgpId;
  int32_t realTimeCards = 0;
  std::string cardUserId;
  int32_t allowICheck = 0;
  std::string iCheckId;
  // Further web addresses the shop is reached at ("https://shop.example.org
  // http://localhost:8080"), separated by blanks or commas; their pages may
  // post orders to the order server too.
  std::string extraOrigins;
  // An additional order notification e-mail.
  int32_t sendExtraNotification = 0;
  std::string notifyFrom;
  std::string notifyTo;
  // Real-time card processing: 0 both address and zip code must match,
  // 1 address only, 2 zip code only, 3 either, 4 no address verification.
  int32_t addressVerification = 4;
  // Reject an order whose transaction was declined: 0 always, 1 when it holds
  // downloaded items, 2 never.
  int32_t rejectDeclined = 1;
  int32_t captureImmediately = 0;
  int32_t acceptOnTimeout = 1;

  // Returns vendorId as the upload to the order server logs in with: its
  // first 8 characters in lower case.
  std::string publishingVendorId() const;
  // Returns vendorPassword shortened and lowered the same way.
  std::string publishingVendorPassword() const;
  // Returns the entries of extraOrigins, in their order, without the blanks
  // and commas between them.
  std::vector<std::string> extraOriginList() const;

  // Schema 10: ftpHost, ftpUser, vendorId, orderEmail, ftpFolder, baseHref,
  // the scrambled ftpPassword and vendorPassword, usePgp, realTimeCards,
  // pgpId, cardUserId, jpegQuality, useCookies, proxyHost, proxyPort,
  // downloadExpiryDays, notifyFrom, notifyTo, useProxy,
  // sendExtraNotification, addressVerification, rejectDeclined,
  // captureImmediately, acceptOnTimeout, allowICheck, iCheckId; schema 10
  // adds extraOrigins. Older schemas store a prefix of this order; what they
  // lack keeps its default.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;

  bool operator==(const CFtp&) const = default;
};

}  // namespace quorvex

#endif  // QUORVEX_PUBLISH_FTP_SETTINGS_H_
