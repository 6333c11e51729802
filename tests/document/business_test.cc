#include "document/business.h"

#include <gtest/gtest.h>

#include "support/archive_bytes.h"

namespace quorvex {
namespace {

using testing::ArchiveBytes;
using testing::readObject;
using testing::writeObject;

TEST(Business, Schema2IsWrittenAndReadFieldByField) {
  CBusiness business;
  business.keywords = "tea, cups";
  business.description = "Fine tea";
  business.termsText = "No returns.";
  business.currencySymbol = "\x80";
  business.copyrightText = "Copyright 2006";
  business.reserved = 7;
  business.makeTermsPage = 1;
  business.resizeLogo = 0;
  business.logoWidth = 120;
  business.logoPath = "C:\\logo.gif";
  const std::string expected = ArchiveBytes()
                                   .newClass("CBusiness", 2)
                                   .str("tea, cups")
                                   .str("Fine tea")
                                   .str("No returns.")
                                   .str("\x80")
                                   .str("Copyright 2006")
                                   .int32(7)
                                   .int32(1)
                                   .int32(0)
                                   .int32(120)
                                   .str("C:\\logo.gif")
                                   .bytes();
  EXPECT_EQ(writeObject(business), expected);

  std::string error;
  Owned<CBusiness> back = readObject<CBusiness>(expected, &error);
  ASSERT_TRUE(back) << error;
  EXPECT_EQ(*back, business);
}

TEST(Business, Schema1GetsTheOldLogoWidth) {
  const std::string bytes = ArchiveBytes()
                                .newClass("CBusiness", 1)
                                .str("k")
                                .str("d")
                                .str("t")
                                .str("\xA3")
                                .str("c")
                                .int32(3)
                                .int32(1)
                                .bytes();
  size_t consumed = 0;
  std::string error;
  Owned<CBusiness> business = readObject<CBusiness>(bytes, &error, &consumed);
  ASSERT_TRUE(business) << error;
  EXPECT_EQ(consumed, bytes.size());
  EXPECT_EQ(business->currencySymbol, "\xA3");
  EXPECT_EQ(business->reserved, 3);
  EXPECT_EQ(business->makeTermsPage, 1);
  EXPECT_EQ(business->resizeLogo, 1);
  EXPECT_EQ(business->logoWidth, 200);
  EXPECT_EQ(business->logoPath, "");
}

TEST(Business, UnknownSchemaFailsTheRead) {
  const std::string bytes = ArchiveBytes().newClass("CBusiness", 3).str("k").bytes();
  std::string error;
  EXPECT_FALSE(readObject<CBusiness>(bytes, &error));
  EXPECT_NE(error.find("CBusiness schema 1 or 2"), std::string::npos) << error;
}

}  // namespace
}  // namespace quorvex
