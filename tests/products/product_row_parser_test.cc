#include "products/product_row_parser.h"

#include <gtest/gtest.h>

#include "platform/scripted_prompter.h"
#include "products/product_column.h"

namespace quorvex {
namespace {

using Fields = std::vector<std::string>;

// The 17 columns of an own-file line with distinct values.
Fields ownLine() {
  return {"P-1",  "Mug", "$1,234.50", "0.5", "Cups", "Sales", "http://x.example", "mug.jpg", "2",
          "1",    "1",   "0",         "dl",  "pw",   "1",     "0",                "0"};
}

TEST(ProductRowParser, OwnFileTakesEveryColumn) {
  ScriptedPrompter prompter;
  CExtraFields table;
  table.inProgram = 1;
  table.fileVersion = "4.2b";
  ProductRowParser parser(table, true, prompter);
  ParsedRow row;
  ASSERT_TRUE(parser.parse(ownLine(), &row));
  const CExtraItem& item = row.item;
  EXPECT_EQ(item.partNumber, "P-1");
  EXPECT_EQ(item.price, "1234.50");
  EXPECT_EQ(item.weight, "0.5");
  EXPECT_EQ(item.category, "Cups");
  EXPECT_EQ(item.salesDescription, "Sales");
  EXPECT_EQ(item.link, "http://x.example");
  EXPECT_EQ(item.picture, "mug.jpg");
  EXPECT_EQ(item.pictureFlag, 2);
  EXPECT_EQ(item.linkFlag, 1);
  EXPECT_EQ(item.publishState, 1);
  EXPECT_EQ(item.featureFlag, 0);
  EXPECT_EQ(item.downloadPath, "dl");
  EXPECT_EQ(item.downloadPassword, "pw");
  EXPECT_EQ(item.downloadFlag, 1);
  EXPECT_EQ(item.uploadFlag, 0);
  EXPECT_EQ(item.taxFlag, 0);
  EXPECT_EQ(row.featureColumnCount, 0);
  EXPECT_TRUE(prompter.texts().empty());
}

TEST(ProductRowParser, FlagsConvertLikeTheUsualDecimalConversion) {
  ScriptedPrompter prompter;
  CExtraFields table;
  table.inProgram = 1;
  ProductRowParser parser(table, true, prompter);
  Fields fields = ownLine();
  fields[kPictureFlagColumn] = "yes";
  fields[kLinkFlagColumn] = " 2x";
  fields[kPublishStateColumn] = "-1";
  fields[kUploadFlagColumn] = "99999999999999";
  ParsedRow row;
  ASSERT_TRUE(parser.parse(fields, &row));
  EXPECT_EQ(row.item.pictureFlag, 0);
  EXPECT_EQ(row.item.linkFlag, 2);
  EXPECT_EQ(row.item.publishState, -1);
  EXPECT_EQ(row.item.uploadFlag, 2147483647);
  // Unversioned files have no Tax Flag.
  EXPECT_EQ(row.item.taxFlag, 1);
}

TEST(ProductRowParser, NegativeAndNonNumericPricesLeaveTheirRowOut) {
  ScriptedPrompter prompter;
  CExtraFields table;
  table.inProgram = 1;
  ProductRowParser parser(table, true, prompter);
  struct Case {
    const char* price;
    bool taken;
  } cases[] = {{"-5", false}, {"1e400", false}, {"12.5.1", false}, {"ten", false},
               {"$1,234.50", true}, {" 7 ", true}, {"", true}, {"\x80 3.20", true}};
  for (const Case& c : cases) {
    Fields fields = ownLine();
    fields[kPriceColumn] = c.price;
    ParsedRow row;
    EXPECT_EQ(parser.parse(fields, &row), c.taken) << c.price;
  }
  EXPECT_EQ(prompter.texts(),
            std::vector<std::string>{"The price \"-5\" of the product \"P-1\" is not a number "
                                     "of 0 or more; that row was left out."});
}

TEST(ProductRowParser, EveryMissingFieldHasItsMessage) {
  const char* names[] = {"Part Number",   "Description",   "Price",
                         "Weight",        "Category",      "Sales Description",
                         "Link",          "Picture",       "Picture Flag",
                         "Link Flag",     "Publish Flag",  "Feature Flag",
                         "Download Path", "Download Password", "Download Flag",
                         "Upload Flag"};
  for (int32_t column = 0; column < kTaxFlagColumn; ++column) {
    EXPECT_EQ(ProductRowParser::missingFieldMessage(column),
              std::string("Could not find the ") + names[column] +
                  " field for one or more rows in your database.");
  }
  EXPECT_EQ(ProductRowParser::missingFieldMessage(kTaxFlagColumn), "");

  // A line that ends after column c reports column c, in the messages' order
  // for the first five columns.
  const int32_t reported_after[] = {-1, kDescriptionColumn, kCategoryColumn, kCategoryColumn,
                                    kCategoryColumn};
  for (int32_t length = 1; length < kTaxFlagColumn; ++length) {
    ScriptedPrompter prompter;
    CExtraFields table;
    table.inProgram = 1;
    ProductRowParser parser(table, true, prompter);
    Fields fields = ownLine();
    fields.resize(length);
    ParsedRow row;
    EXPECT_TRUE(parser.parse(fields, &row));
    const int32_t first = length < 5 ? reported_after[length] : length;
    ASSERT_EQ(prompter.texts().size(), 1u) << length;
    EXPECT_EQ(prompter.texts()[0], ProductRowParser::missingFieldMessage(first)) << length;
    // Only the first missing field of a read is reported.
    EXPECT_TRUE(parser.parse(Fields{"y"}, &row));
    EXPECT_EQ(prompter.texts().size(), 1u);
  }
}

TEST(ProductRowParser, FeatureAndTaxColumnsByVersion) {
  ScriptedPrompter prompter;
  CExtraFields table;
  table.inProgram = 1;
  table.featureDefinitions = {{"Size", {"S", "M", "L"}}, {"Colour", {"Red", "Blue"}}};
  Fields fields = ownLine();
  fields.resize(16);
  ParsedRow row;

  table.fileVersion = "4.2a";  // features from 16, then the Tax Flag
  Fields v42a = fields;
  v42a.insert(v42a.end(), {"101", "01", "0"});
  ProductRowParser a(table, true, prompter);
  ASSERT_TRUE(a.parse(v42a, &row));
  EXPECT_EQ(row.featureColumnCount, 2);
  ASSERT_EQ(row.item.featureSelections.size(), 2u);
  EXPECT_EQ(row.item.featureSelections[0].selectedOptions, (std::vector<std::string>{"S", "L"}));
  EXPECT_EQ(row.item.featureSelections[0].checked, 1);
  EXPECT_EQ(row.item.featureSelections[1].label, "Colour");
  EXPECT_EQ(row.item.featureSelections[1].selectedOptions, std::vector<std::string>{"Blue"});
  EXPECT_EQ(row.item.taxFlag, 0);
  // Too short for one column per definition: no feature columns.
  Fields short_42a = fields;
  short_42a.push_back("101");
  ASSERT_TRUE(a.parse(short_42a, &row));
  EXPECT_EQ(row.featureColumnCount, 0);

  table.fileVersion = "4.2b";  // Tax Flag at 16, features from 17
  Fields v42b = fields;
  v42b.insert(v42b.end(), {"0", "000", "10"});
  ProductRowParser b(table, true, prompter);
  ASSERT_TRUE(b.parse(v42b, &row));
  EXPECT_EQ(row.item.taxFlag, 0);
  EXPECT_EQ(row.featureColumnCount, 2);
  EXPECT_EQ(row.item.featureSelections[0].checked, 0);
  EXPECT_TRUE(row.item.featureSelections[0].selectedOptions.empty());
  EXPECT_EQ(row.item.featureSelections[1].selectedOptions, std::vector<std::string>{"Red"});

  // A feature string of the wrong length drops it and every later one.
  v42b[17] = "1111";
  ASSERT_TRUE(b.parse(v42b, &row));
  EXPECT_EQ(row.featureColumnCount, 2);
  EXPECT_TRUE(row.item.featureSelections.empty());

  table.fileVersion = "";  // unversioned: features from 16 to the end, no tax
  Fields old = fields;
  old.insert(old.end(), {"010", "11"});
  ProductRowParser u(table, true, prompter);
  ASSERT_TRUE(u.parse(old, &row));
  EXPECT_EQ(row.item.taxFlag, 1);
  EXPECT_EQ(row.item.featureSelections[0].selectedOptions, std::vector<std::string>{"M"});
  EXPECT_EQ(row.item.featureSelections[1].selectedOptions.size(), 2u);
  EXPECT_TRUE(prompter.texts().empty());
}

TEST(ProductRowParser, ExternalFileUsesTheTablePositions) {
  ScriptedPrompter prompter;
  CExtraFields table;
  table.inProgram = 0;
  table.fileVersion = "4.2b";
  table.columnIndex = CExtraFields::unusedColumns();
  table.columnIndex[kPartNumberColumn] = 2;
  table.columnIndex[kDescriptionColumn] = 0;
  table.columnIndex[kPriceColumn] = 1;
  // Position 0 counts only for the first five columns.
  table.columnIndex[kSalesDescriptionColumn] = 0;
  table.columnIndex[kPictureColumn] = 3;
  table.categoryNames = {"none"};
  table.categoryDescriptions = {"Our Products"};
  ProductRowParser parser(table, false, prompter);
  ParsedRow row;
  ASSERT_TRUE(parser.parse(Fields{"Bolt", "0.10", "B-1", "bolt.gif"}, &row));
  EXPECT_EQ(row.item.partNumber, "B-1");
  EXPECT_EQ(row.item.description, "Bolt");
  EXPECT_EQ(row.item.price, "0.10");
  EXPECT_EQ(row.item.category, "none");
  EXPECT_EQ(row.item.weight, "0");
  EXPECT_EQ(row.item.salesDescription, "");
  EXPECT_EQ(row.item.picture, "bolt.gif");
  EXPECT_EQ(row.featureColumnCount, 0);
  EXPECT_FALSE(parser.parse(Fields{" ", " ", " "}, &row));
  ASSERT_TRUE(parser.parse(Fields{"Nut", "0.05", "N-1"}, &row));
  EXPECT_EQ(prompter.texts(),
            std::vector<std::string>{ProductRowParser::missingFieldMessage(kPictureColumn)});
}

TEST(ProductRowParser, ImportedTablesSkipUnlistedAndUnpublishedCategories) {
  ScriptedPrompter prompter;
  CExtraFields table;
  table.inProgram = 0;
  table.columnIndex = CExtraFields::unusedColumns();
  table.columnIndex[kPartNumberColumn] = 0;
  table.columnIndex[kDescriptionColumn] = 1;
  table.columnIndex[kPriceColumn] = 2;
  table.columnIndex[kCategoryColumn] = 3;
  table.categoryNames = {"Tools", "Toys"};
  table.categoryDescriptions = {"Hand tools", "DO NOT PUBLISH"};
  ProductRowParser parser(table, false, prompter);
  ParsedRow row;
  EXPECT_TRUE(parser.parse(Fields{"1", "Saw", "9", "Tools"}, &row));
  EXPECT_FALSE(parser.parse(Fields{"2", "Ball", "3", "Toys"}, &row));
  EXPECT_FALSE(parser.parse(Fields{"3", "Lamp", "5", "Lights"}, &row));

  table.inProgram = 1;
  ProductRowParser in_program(table, false, prompter);
  EXPECT_TRUE(in_program.parse(Fields{"3", "Lamp", "5", "Lights"}, &row));
}

}  // namespace
}  // namespace quorvex
