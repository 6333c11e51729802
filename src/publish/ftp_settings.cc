#include "publish/ftp_settings.h"

#include "document/archive.h"
#include "document/field_visitor.h"
#include "platform/strings.h"

namespace quorvex {

namespace {

// A password is stored with the byte at position i shifted by i - 10
// (modulo 256), so that it does not show in the file as plain text.
std::string scrambled(const std::string& password, int direction) {
  std::string result = password;
  for (size_t i = 0; i < result.size(); ++i) {
    const int shift = (static_cast<int>(i % 256) - 10) * direction;
    result[i] = static_cast<char>(static_cast<uint8_t>(result[i]) + shift);
  }
  return result;
}

void ioScrambled(Archive& ar, std::string& password) {
  std::string stored = ar.isStoring() ? scrambled(password, +1) : std::string();
  ar.io(stored);
  if (ar.isLoading()) password = scrambled(stored, -1);
}

std::string firstEightLowered(const std::string& text) {
  return toLowerAscii(std::string_view(text).substr(0, 8));
}

}  // namespace

std::string CFtp::publishingVendorId() const { return firstEightLowered(vendorId); }

std::string CFtp::publishingVendorPassword() const { return firstEightLowered(vendorPassword); }

std::vector<std::string> CFtp::extraOriginList() const {
  std::vector<std::string> origins;
  constexpr const char* kSeparators = " \t\r\n,";
  size_t start = extraOrigins.find_first_not_of(kSeparators);
  while (start != std::string::npos) {
    const size_t end = extraOrigins.find_first_of(kSeparators, start);
    origins.push_back(extraOrigins.substr(start, end - start));
    start = extraOrigins.find_first_not_of(kSeparators, end);
  }
  return origins;
}

void CFtp::serialize(Archive& ar) {
  const uint16_t schema = ar.schema();
  ar.io(ftpHost);
  ar.io(ftpUser);
  ar.io(vendorId);
  ar.io(orderEmail);
  ar.io(ftpFolder);
  ar.io(baseHref);
  ioScrambled(ar, ftpPassword);
  ioScrambled(ar, vendorPassword);
  if (schema < 2) return;
  ar.io(usePgp);
  ar.io(realTimeCards);
  ar.io(pgpId);
  ar.io(cardUserId);
  if (schema < 3) return;
  ar.io(jpegQuality);
  if (schema < 4) return;
  ar.io(useCookies);
  if (schema < 5) return;
  ar.io(proxyHost);
  ar.io(proxyPort);
  if (schema < 6) return;
  ar.io(downloadExpiryDays);
  ar.io(notifyFrom);
  ar.io(notifyTo);
  if (schema < 7) return;
  ar.io(useProxy);
  ar.io(sendExtraNotification);
  ar.io(addressVerification);
  ar.io(rejectDeclined);
  ar.io(captureImmediately);
  if (schema < 8) return;
  ar.io(acceptOnTimeout);
  if (schema < 9) return;
  ar.io(allowICheck);
  ar.io(iCheckId);
  if (schema < 10) return;
  ar.io(extraOrigins);
}

void CFtp::visitFields(FieldVisitor& visitor) {
  visitor.field("ftpHost", ftpHost);
  visitor.field("ftpUser", ftpUser);
  visitor.field("vendorId", vendorId);
  visitor.field("orderEmail", orderEmail);
  visitor.field("ftpFolder", ftpFolder);
  visitor.field("baseHref", baseHref);
  visitor.field("ftpPassword", ftpPassword);
  visitor.field("vendorPassword", vendorPassword);
  visitor.field("usePgp", usePgp);
  visitor.field("realTimeCards", realTimeCards);
  visitor.field("pgpId", pgpId);
  visitor.field("cardUserId", cardUserId);
  visitor.field("jpegQuality", jpegQuality);
  visitor.field("useCookies", useCookies);
  visitor.field("proxyHost", proxyHost);
  visitor.field("proxyPort", proxyPort);
  visitor.field("downloadExpiryDays", downloadExpiryDays);
  visitor.field("notifyFrom", notifyFrom);
  visitor.field("notifyTo", notifyTo);
  visitor.field("useProxy", useProxy);
  visitor.field("sendExtraNotification", sendExtraNotification);
  visitor.field("addressVerification", addressVerification);
  visitor.field("rejectDeclined", rejectDeclined);
  visitor.field("captureImmediately", captureImmediately);
  visitor.field("acceptOnTimeout", acceptOnTimeout);
  visitor.field("allowICheck", allowICheck);
  visitor.field("iCheckId", iCheckId);
  visitor.field("extraOrigins", extraOrigins);
}

}  // namespace quorvex
