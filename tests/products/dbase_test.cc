#include <gtest/gtest.h>

#include "products/dbase.h"
#include "support/archive_bytes.h"

namespace quorvex {
namespace {

using testing::ArchiveBytes;
using testing::readObject;
using testing::writeObject;

// The settings an old document keeps, without the in-program flag.
ArchiveBytes legacySettings(uint16_t schema) {
  return ArchiveBytes().newClass("CDBase", schema).str("C:\\Data\\stock.csv").int32(3).byte(';')
      .byte('\'').int32(0).int32(2).int32(5).int32(-1).int32(4).count(2).str("Tea").str("Cups")
      .count(2).str("Our Teas").str("DO NOT PUBLISH");
}

void expectLegacySettings(const CDBase& legacy) {
  EXPECT_EQ(legacy.sourcePath, "C:\\Data\\stock.csv");
  EXPECT_EQ(legacy.headerLines, 3);
  EXPECT_EQ(legacy.delimiter, ';');
  EXPECT_EQ(legacy.quoteChar, '\'');
  EXPECT_EQ(legacy.columnPositions, (std::array<int32_t, 5>{0, 2, 5, -1, 4}));
  EXPECT_EQ(legacy.categoryNames, (std::vector<std::string>{"Tea", "Cups"}));
  EXPECT_EQ(legacy.categoryDescriptions, (std::vector<std::string>{"Our Teas", "DO NOT PUBLISH"}));
}

TEST(DBase, CurrentSchemaStoresNothing) {
  CDBase legacy;
  legacy.sourcePath = "old.csv";
  const std::string expected = ArchiveBytes().newClass("CDBase", 3).bytes();
  EXPECT_EQ(writeObject(legacy), expected);

  std::string error;
  size_t consumed = 0;
  Owned<CDBase> back = readObject<CDBase>(expected, &error, &consumed);
  ASSERT_TRUE(back) << error;
  EXPECT_EQ(consumed, expected.size());
  EXPECT_EQ(back->sourcePath, "");
  EXPECT_EQ(back->delimiter, ',');
  EXPECT_EQ(back->quoteChar, '"');
  EXPECT_EQ(back->columnPositions, (std::array<int32_t, 5>{-1, -1, -1, -1, -1}));
}

TEST(DBase, Schemas1And2ReadTheSettingsAndOnly2TheInProgramFlag) {
  for (uint16_t schema : {1, 2}) {
    SCOPED_TRACE("schema " + std::to_string(schema));
    ArchiveBytes bytes = legacySettings(schema);
    if (schema == 2) bytes.int32(1);
    std::string error;
    size_t consumed = 0;
    Owned<CDBase> legacy = readObject<CDBase>(bytes, &error, &consumed);
    ASSERT_TRUE(legacy) << error;
    EXPECT_EQ(consumed, bytes.bytes().size());
    expectLegacySettings(*legacy);
    EXPECT_EQ(legacy->inProgram, schema == 2 ? 1 : 0);
  }
}

TEST(DBase, UnknownSchemaFailsTheRead) {
  for (uint16_t schema : {0, 4}) {
    std::string error;
    EXPECT_FALSE(readObject<CDBase>(ArchiveBytes().newClass("CDBase", schema), &error));
    EXPECT_NE(error.find("CDBase of schema 1 to 3"), std::string::npos) << error;
  }
}

}  // namespace
}  // namespace quorvex
