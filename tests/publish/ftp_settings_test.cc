#include <gtest/gtest.h>

#include "publish/ftp_settings.h"
#include "support/archive_bytes.h"

namespace quorvex {
namespace {

using testing::ArchiveBytes;
using testing::readObject;
using testing::writeObject;

// The stored items that schema 1 holds: six strings, then the two scrambled
// passwords ("abc" and "" here).
ArchiveBytes schemaOneItems(uint16_t schema) {
  return ArchiveBytes().newClass("CFtp", schema).str("ftp.acme.test").str("acme")
      .str("ACME1234").str(" orders@acme.test ").str("public_html").str("http://acme.test/")
      .str("\x57\x59\x5B").str("");
}

TEST(FtpStoredForm, Schema10WrittenAndReadBack) {
  CFtp ftp;
  ftp.ftpHost = "ftp.acme.test";
  ftp.ftpUser = "acme";
  ftp.vendorId = "ACME1234";
  ftp.orderEmail = " orders@acme.test ";
  ftp.ftpFolder = "public_html";
  ftp.baseHref = "http://acme.test/";
  ftp.ftpPassword = "abc";
  ftp.vendorPassword = "";
  ftp.usePgp = 1;
  ftp.realTimeCards = 1;
  ftp.pgpId = "pgp";
  ftp.cardUserId = "card";
  ftp.jpegQuality = 75;
  ftp.useCookies = 0;
  ftp.proxyHost = "proxy";
  ftp.proxyPort = "2121";
  ftp.downloadExpiryDays = 30;
  ftp.notifyFrom = "from@acme.test";
  ftp.notifyTo = "to@acme.test";
  ftp.useProxy = 1;
  ftp.sendExtraNotification = 1;
  ftp.addressVerification = 2;
  ftp.rejectDeclined = 0;
  ftp.captureImmediately = 1;
  ftp.acceptOnTimeout = 0;
  ftp.allowICheck = 1;
  ftp.iCheckId = "icheck";
  ftp.extraOrigins = "https://shop.acme.test";
  const std::string expected = schemaOneItems(10).int32(1).int32(1).str("pgp").str("card")
      .int32(75).int32(0).str("proxy").str("2121").int32(30).str("from@acme.test")
      .str("to@acme.test").int32(1).int32(1).int32(2).int32(0).int32(1).int32(0).int32(1)
      .str("icheck").str("https://shop.acme.test").bytes();
  EXPECT_EQ(writeObject(ftp), expected);

  std::string error;
  Owned<CFtp> back = readObject<CFtp>(expected, &error);
  ASSERT_TRUE(back) << error;
  EXPECT_EQ(*back, ftp);
}

TEST(FtpStoredForm, OlderSchemasKeepDefaultsForWhatTheyLack) {
  std::string error;
  size_t consumed = 0;
  const ArchiveBytes first = schemaOneItems(1);
  Owned<CFtp> one = readObject<CFtp>(first, &error, &consumed);
  ASSERT_TRUE(one) << error;
  EXPECT_EQ(consumed, first.bytes().size());
  EXPECT_EQ(one->orderEmail, " orders@acme.test ");
  EXPECT_EQ(one->ftpPassword, "abc");
  EXPECT_EQ(one->vendorPassword, "");
  EXPECT_EQ(one->usePgp, 0);
  EXPECT_EQ(one->jpegQuality, 90);

  const ArchiveBytes five = schemaOneItems(5).int32(1).int32(0).str("pgp").str("card").int32(60)
      .int32(0).str("proxy").str("21");
  Owned<CFtp> fifth = readObject<CFtp>(five, &error, &consumed);
  ASSERT_TRUE(fifth) << error;
  EXPECT_EQ(consumed, five.bytes().size());
  EXPECT_EQ(fifth->usePgp, 1);
  EXPECT_EQ(fifth->cardUserId, "card");
  EXPECT_EQ(fifth->jpegQuality, 60);
  EXPECT_EQ(fifth->useCookies, 0);
  EXPECT_EQ(fifth->proxyPort, "21");
  EXPECT_EQ(fifth->downloadExpiryDays, 7);
  EXPECT_EQ(fifth->useProxy, 0);
  EXPECT_EQ(fifth->addressVerification, 4);
  EXPECT_EQ(fifth->rejectDeclined, 1);
  EXPECT_EQ(fifth->acceptOnTimeout, 1);
  EXPECT_EQ(fifth->iCheckId, "");

  const ArchiveBytes eight = schemaOneItems(8).int32(0).int32(0).str("").str("")
      .int32(90).int32(1).str("").str("").int32(7).str("").str("").int32(0).int32(0).int32(4)
      .int32(1).int32(0).int32(0);
  Owned<CFtp> eighth = readObject<CFtp>(eight, &error, &consumed);
  ASSERT_TRUE(eighth) << error;
  EXPECT_EQ(consumed, eight.bytes().size());
  EXPECT_EQ(eighth->acceptOnTimeout, 0);
  EXPECT_EQ(eighth->allowICheck, 0);

  // Schema 9, the last without other shop origins, reads with none.
  const ArchiveBytes nine = schemaOneItems(9).int32(0).int32(0).str("").str("")
      .int32(90).int32(1).str("").str("").int32(7).str("").str("").int32(0).int32(0).int32(4)
      .int32(1).int32(0).int32(1).int32(1).str("icheck");
  Owned<CFtp> ninth = readObject<CFtp>(nine, &error, &consumed);
  ASSERT_TRUE(ninth) << error;
  EXPECT_EQ(consumed, nine.bytes().size());
  EXPECT_EQ(ninth->iCheckId, "icheck");
  EXPECT_EQ(ninth->extraOrigins, "");
  EXPECT_TRUE(ninth->extraOriginList().empty());
}

TEST(Ftp, ExtraOriginsAreSplitAtBlanksAndCommas) {
  CFtp ftp;
  ftp.extraOrigins = " https://a.test,http://b.test:8080 ,\r\n\thttps://c.test,, ";
  EXPECT_EQ(ftp.extraOriginList(),
            (std::vector<std::string>{"https://a.test", "http://b.test:8080", "https://c.test"}));
}

TEST(FtpPasswords, ScrambledBytesWrapAround) {
  CFtp ftp;
  // Position 0 shifts by -10, position 11 by +1: 0x05 and 0xFF wrap.
  ftp.ftpPassword = std::string("\x05") + "0123456789" + "\xFF";
  const std::string bytes = writeObject(ftp);
  const std::string stored = std::string("\x0C\xFB") + "')+-/13579" + std::string(1, '\0');
  EXPECT_NE(bytes.find(stored), std::string::npos);
  Owned<CFtp> back = readObject<CFtp>(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->ftpPassword, ftp.ftpPassword);
}

TEST(Ftp, PublishingLoginIsShortAndLowerCase) {
  CFtp ftp;
  ftp.vendorId = "AcMe-Shop99";
  ftp.vendorPassword = "SeCrEt";
  EXPECT_EQ(ftp.publishingVendorId(), "acme-sho");
  EXPECT_EQ(ftp.publishingVendorPassword(), "secret");
}

}  // namespace
}  // namespace quorvex
