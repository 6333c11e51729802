#include "document/extra_order_field.h"

#include <gtest/gtest.h>

#include "support/archive_bytes.h"

namespace quorvex {
namespace {

using testing::ArchiveBytes;
using testing::readInline;
using testing::writeInline;

CExtraOrderField field(std::string identifier) {
  CExtraOrderField extra;
  extra.description = "Gift message";
  extra.identifier = std::move(identifier);
  extra.maxLength = "80";
  extra.fieldSize = "30";
  return extra;
}

TEST(ExtraOrderField, StoredFormAndUnknownVersion) {
  CExtraOrderField gift = field("giftMessage");
  const std::string expected =
      ArchiveBytes().int32(1).str("Gift message").str("giftMessage").str("80").str("30").bytes();
  EXPECT_EQ(writeInline(gift), expected);
  CExtraOrderField back;
  EXPECT_EQ(readInline(expected, back), "");
  EXPECT_EQ(back, gift);

  CExtraOrderField unknown;
  size_t consumed = 0;
  EXPECT_EQ(readInline(ArchiveBytes().int32(2).str("x").bytes(), unknown, &consumed), "");
  EXPECT_EQ(consumed, 4u);
  EXPECT_EQ(unknown, CExtraOrderField());
}

TEST(ExtraOrderField, EntriesMustBeFilledAndTheIdentifierAlphanumeric) {
  EXPECT_TRUE(field("gift2").checkEntries().ok());
  CExtraOrderField blank = field("gift");
  blank.fieldSize.clear();
  EXPECT_EQ(blank.checkEntries().message(), "Sorry, no field may be left blank.");
  for (const char* identifier : {"gift_note", "gift note", "gift\xE9"}) {
    EXPECT_EQ(field(identifier).checkEntries().message(),
              "Sorry, the identifier must consist of only letters and numbers.")
        << identifier;
  }
}

TEST(ExtraOrderField, IdentifierMustBeFreeAndNotReserved) {
  const std::string inUse =
      "Sorry, the identifier you entered is already in use.\nPlease, enter a different "
      "identifier.";
  std::vector<CExtraOrderField> fields = {field("gift"), field("note")};
  EXPECT_EQ(CExtraOrderField::checkIdentifierAvailable(fields, "fname", std::nullopt).message(),
            inUse);
  EXPECT_EQ(CExtraOrderField::checkIdentifierAvailable(fields, "timeout", 0).message(), inUse);
  EXPECT_TRUE(CExtraOrderField::checkIdentifierAvailable(fields, "Fname", std::nullopt).ok());
  EXPECT_EQ(CExtraOrderField::checkIdentifierAvailable(fields, "note", std::nullopt).message(),
            inUse);
  EXPECT_EQ(CExtraOrderField::checkIdentifierAvailable(fields, "note", 0).message(), inUse);
  EXPECT_TRUE(CExtraOrderField::checkIdentifierAvailable(fields, "note", 1).ok());
  EXPECT_TRUE(CExtraOrderField::checkIdentifierAvailable(fields, "Note", std::nullopt).ok());
}

}  // namespace
}  // namespace quorvex
