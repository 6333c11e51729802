#include <gtest/gtest.h>

#include "products/extra_item.h"
#include "support/archive_bytes.h"

namespace quorvex {
namespace {

using testing::ArchiveBytes;
using testing::readInline;
using testing::writeInline;

// The fields every version stores first: record version, part number, sales
// description, link, picture and the four flags.
ArchiveBytes storedHead(int32_t version) {
  return ArchiveBytes().int32(version).str("TEA-1").str("Fine tea").str("http://tea.example")
      .str("Images\\tea.jpg").int32(2).int32(2).int32(1).int32(0);
}

// One feature selection: Size with the option M chosen.
ArchiveBytes& withSelections(ArchiveBytes& bytes) {
  return bytes.count(1).int32(2).str("Size").int32(1).count(1).str("M");
}

// Reads `bytes` into a new row; expects the whole of `bytes` to be read.
CExtraItem readRow(const ArchiveBytes& bytes) {
  CExtraItem row;
  size_t consumed = 0;
  EXPECT_EQ(readInline(bytes, row, &consumed), "");
  EXPECT_EQ(consumed, bytes.bytes().size());
  return row;
}

void expectHead(const CExtraItem& row) {
  EXPECT_EQ(row.partNumber, "TEA-1");
  EXPECT_EQ(row.salesDescription, "Fine tea");
  EXPECT_EQ(row.link, "http://tea.example");
  EXPECT_EQ(row.picture, "Images\\tea.jpg");
  EXPECT_EQ(row.pictureFlag, 2);
  EXPECT_EQ(row.linkFlag, 2);
  EXPECT_EQ(row.publishState, 1);
  EXPECT_EQ(row.featureFlag, 0);
}

void expectSelections(const CExtraItem& row) {
  ASSERT_EQ(row.featureSelections.size(), 1u);
  EXPECT_EQ(row.featureSelections[0].label, "Size");
  EXPECT_EQ(row.featureSelections[0].checked, 1);
  EXPECT_EQ(row.featureSelections[0].selectedOptions, std::vector<std::string>{"M"});
}

TEST(ExtraItem, Defaults) {
  CExtraItem row;
  EXPECT_EQ(row.partNumber, "");
  EXPECT_EQ(row.link, "http://");
  EXPECT_EQ(row.pictureFlag, 0);
  EXPECT_EQ(row.linkFlag, 0);
  EXPECT_EQ(row.publishState, 0);
  EXPECT_EQ(row.featureFlag, 1);
  EXPECT_EQ(row.downloadFlag, 0);
  EXPECT_EQ(row.uploadFlag, 2);
  EXPECT_EQ(row.taxFlag, 1);
  EXPECT_TRUE(row.featureSelections.empty());
}

TEST(ExtraItem, Version6WritesOnlyTheDocumentFields) {
  CExtraItem row;
  row.partNumber = "TEA-1";
  row.description = "Not stored";
  row.price = "9.50";
  row.weight = "2";
  row.category = "Tea";
  row.taxFlag = 0;
  row.salesDescription = "Fine tea";
  row.link = "http://tea.example";
  row.picture = "Images\\tea.jpg";
  row.pictureFlag = 2;
  row.linkFlag = 2;
  row.publishState = 1;
  row.featureFlag = 0;
  row.featureSelections.emplace_back("Size", 1, std::vector<std::string>{"M"});
  row.downloadFlag = 1;
  row.downloadPath = "files\\tea.pdf";
  row.downloadPassword = "leaf";
  row.uploadFlag = 1;

  ArchiveBytes expected = storedHead(6);
  withSelections(expected).int32(1).str("files\\tea.pdf").str("leaf").int32(1);
  EXPECT_EQ(writeInline(row), expected.bytes());

  CExtraItem back = readRow(expected);
  expectHead(back);
  expectSelections(back);
  EXPECT_EQ(back.downloadFlag, 1);
  EXPECT_EQ(back.downloadPath, "files\\tea.pdf");
  EXPECT_EQ(back.downloadPassword, "leaf");
  EXPECT_EQ(back.uploadFlag, 1);
  EXPECT_EQ(back.description, "");
  EXPECT_EQ(back.price, "");
  EXPECT_EQ(back.category, "");
  EXPECT_EQ(back.taxFlag, 1);
}

TEST(ExtraItem, Version5HasNoUploadFlag) {
  ArchiveBytes bytes = storedHead(5);
  withSelections(bytes).int32(1).str("a.zip").str("pw");
  CExtraItem row = readRow(bytes);
  expectHead(row);
  expectSelections(row);
  EXPECT_EQ(row.downloadFlag, 1);
  EXPECT_EQ(row.downloadPath, "a.zip");
  EXPECT_EQ(row.downloadPassword, "pw");
  EXPECT_EQ(row.uploadFlag, 2);
}

TEST(ExtraItem, Versions3And4KeepTheFileColumnsInTheDocument) {
  ArchiveBytes v3 = storedHead(3);
  withSelections(v3).str("Tea").str("Green tea").str("4.20").str("0.5");
  CExtraItem row3 = readRow(v3);
  expectHead(row3);
  expectSelections(row3);
  EXPECT_EQ(row3.category, "Tea");
  EXPECT_EQ(row3.description, "Green tea");
  EXPECT_EQ(row3.price, "4.20");
  EXPECT_EQ(row3.weight, "0.5");
  EXPECT_EQ(row3.downloadFlag, 0);

  ArchiveBytes v4 = storedHead(4);
  withSelections(v4).str("Tea").str("Green tea").str("4.20").str("0.5").int32(1).str("a.zip")
      .str("pw");
  CExtraItem row4 = readRow(v4);
  EXPECT_EQ(row4.price, "4.20");
  EXPECT_EQ(row4.downloadFlag, 1);
  EXPECT_EQ(row4.downloadPath, "a.zip");
  EXPECT_EQ(row4.downloadPassword, "pw");
  EXPECT_EQ(row4.uploadFlag, 2);
}

TEST(ExtraItem, Version2HasSelectionsOnlyAndOtherVersionsStopAfterTheFlags) {
  ArchiveBytes v2 = storedHead(2);
  withSelections(v2);
  CExtraItem row2 = readRow(v2);
  expectHead(row2);
  expectSelections(row2);
  EXPECT_EQ(row2.downloadFlag, 0);

  for (int32_t version : {1, 7}) {
    CExtraItem row = readRow(storedHead(version));
    expectHead(row);
    EXPECT_TRUE(row.featureSelections.empty());
    EXPECT_EQ(row.uploadFlag, 2);
  }
}

TEST(ExtraItem, TruncatedRowFailsTheRead) {
  ArchiveBytes bytes = storedHead(6);
  bytes.count(3);
  CExtraItem row;
  EXPECT_NE(readInline(bytes, row), "");
  EXPECT_TRUE(row.featureSelections.empty());
}

}  // namespace
}  // namespace quorvex
