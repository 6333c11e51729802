#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/strings.h"
#include "products/extra_item.h"
#include "products/product_column.h"
#include "products/product_text.h"

namespace quorvex {
namespace {

TEST(ProductText, PartNumberCleaning) {
  EXPECT_EQ(cleanPartNumber("A;B"), "A_B");
  EXPECT_EQ(cleanPartNumber(" "), "_");
  EXPECT_EQ(cleanPartNumber("  "), "  ");
  EXPECT_EQ(cleanPartNumber("a'b;c?d\\e`f|g"), "a_b_c_d_e_f_g");
  EXPECT_EQ(cleanPartNumber("X-1 \"2\""), "X-1 \"2\"");
  EXPECT_EQ(cleanPartNumber(""), "");
}

TEST(ProductText, CleanedComparisonAndHashAgreeWithTheCleanedText) {
  const std::vector<std::string> parts = {"A;B", "A_B", " ", "_", "  ", "", "a'b;c?d\\e`f|g",
                                          "Long part number with spaces and |bars|"};
  for (const std::string& raw : parts) {
    const std::string cleaned = cleanPartNumber(raw);
    EXPECT_EQ(cleanPartNumberHash(raw), textHash(cleaned)) << raw;
    for (const std::string& other : parts) {
      EXPECT_EQ(cleanPartNumberEquals(raw, other), cleaned == other) << raw << " / " << other;
    }
  }
}

TEST(ProductText, DescriptionAndDownloadCleaning) {
  EXPECT_EQ(cleanDescription("Red|Blue?`;'"), "Red Blue  ;'");
  EXPECT_EQ(cleanDownloadText("files\\a?b`c|d;"), "files\\a_b_c_d;");
}

TEST(ProductText, TrimRemovesWhiteSpaceAtBothEndsOnly) {
  EXPECT_EQ(trim(" \t\r\n Tea  Cups \v\f"), "Tea  Cups");
  EXPECT_EQ(trim(" \t "), "");
  EXPECT_EQ(trim("x"), "x");
}

TEST(ProductColumns, NamesInColumnOrder) {
  EXPECT_EQ(productColumnName(kPartNumberColumn), "Part Number");
  EXPECT_EQ(productColumnName(kCategoryColumn), "Category");
  EXPECT_EQ(productColumnName(kSalesDescriptionColumn), "Sales Description");
  EXPECT_EQ(productColumnName(kPublishStateColumn), "Publish State");
  EXPECT_EQ(productColumnName(kDownloadPasswordColumn), "Download Password");
  EXPECT_EQ(productColumnName(kUploadFlagColumn), "Upload Flag");
  EXPECT_EQ(productColumnName(kTaxFlagColumn), "Tax Flag");
  EXPECT_EQ(productColumnName(-1), "");
  EXPECT_EQ(productColumnName(kProductColumnCount), "");
}

TEST(ProductRowText, ColumnTextReadsOutCleanedValuesAndKeepsTheRaw) {
  CExtraItem row;
  row.partNumber = "A;B";
  row.description = "Mug | large";
  row.downloadPassword = "pa?ss";
  row.pictureFlag = 2;
  EXPECT_EQ(row.columnText(kPartNumberColumn), "A_B");
  EXPECT_EQ(row.columnText(kDescriptionColumn), "Mug   large");
  EXPECT_EQ(row.columnText(kDownloadPasswordColumn), "pa_ss");
  EXPECT_EQ(row.columnText(kLinkColumn), "http://");
  EXPECT_EQ(row.columnText(kPictureFlagColumn), "2");
  EXPECT_EQ(row.columnText(kUploadFlagColumn), "2");
  EXPECT_EQ(row.columnText(kTaxFlagColumn), "1");
  EXPECT_EQ(row.columnText(17), "");
  EXPECT_EQ(row.partNumber, "A;B");
  EXPECT_EQ(row.description, "Mug | large");
}

TEST(ProductRowText, SetTextTrimsAllButPartNumberDescriptionAndWeight) {
  CExtraItem row;
  for (int32_t column : {kPartNumberColumn, kDescriptionColumn, kWeightColumn}) {
    EXPECT_TRUE(row.setText(column, " 7 "));
    EXPECT_EQ(row.columnText(column), " 7 ") << productColumnName(column);
  }
  for (int32_t column : {kPriceColumn, kCategoryColumn, kSalesDescriptionColumn, kLinkColumn,
                         kPictureColumn, kDownloadPathColumn, kDownloadPasswordColumn}) {
    EXPECT_TRUE(row.setText(column, "\t 7 \r\n"));
    EXPECT_EQ(row.columnText(column), "7") << productColumnName(column);
  }
  EXPECT_FALSE(row.setText(kTaxFlagColumn, "0"));
  EXPECT_EQ(row.taxFlag, 1);
  EXPECT_FALSE(row.setText(-1, "x"));
}

}  // namespace
}  // namespace quorvex
