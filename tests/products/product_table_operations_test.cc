#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "products/extra_fields.h"
#include "products/product_column.h"

namespace quorvex {
namespace {

std::vector<std::string> partNumbers(const CExtraFields& table) {
  std::vector<std::string> numbers;
  for (const CExtraItem& row : table.rows) numbers.push_back(row.partNumber);
  return numbers;
}

TEST(ProductTableRows, AddFindSelectAndDelete) {
  CExtraFields table;
  table.featureDefinitions = {{"Size", {"S", "M"}}};
  EXPECT_TRUE(table.addRow("B", -1));
  EXPECT_TRUE(table.addRow("D", 5));
  EXPECT_TRUE(table.addRow("A", 0));
  EXPECT_TRUE(table.addRow("A;C", 2));
  EXPECT_EQ(partNumbers(table), (std::vector<std::string>{"A", "B", "A;C", "D"}));
  // A part number present after cleaning is refused and changes nothing.
  EXPECT_FALSE(table.addRow("A_C", -1));
  EXPECT_FALSE(table.addRow("A?C", 0));
  EXPECT_EQ(table.rows.size(), 4u);
  ASSERT_EQ(table.rows[2].featureSelections.size(), 1u);
  EXPECT_EQ(table.rows[2].featureSelections[0].label, "Size");
  EXPECT_EQ(table.rows[2].featureSelections[0].checked, 0);
  EXPECT_EQ(table.rows[2].link, "http://");

  // Found under the cleaned part number.
  EXPECT_EQ(table.findRow("A_C"), 2);
  EXPECT_EQ(table.findRow("A;C"), -1);
  EXPECT_EQ(table.findRow("Z"), -1);
  EXPECT_TRUE(table.selectRow("D"));
  EXPECT_EQ(table.currentRow, 3);
  EXPECT_FALSE(table.selectRow("Z"));
  EXPECT_EQ(table.currentRow, 3);

  table.deleteRow(0);
  table.deleteRow(17);
  EXPECT_EQ(table.findRow("B"), 0);
  EXPECT_EQ(table.findRow("D"), 2);
  table.deleteRows({2, 0, 0, -3});
  EXPECT_EQ(partNumbers(table), std::vector<std::string>{"A;C"});
  // The current row went with the rows.
  EXPECT_EQ(table.currentRow, -1);
  // A list changed behind the operations' back is still searched right.
  table.rows.emplace_back().partNumber = "E";
  EXPECT_EQ(table.findRow("E"), 1);
  table.rows[1].partNumber = "F";
  EXPECT_EQ(table.findRow("E"), -1);
  table.clearRows();
  EXPECT_EQ(table.findRow("A_C"), -1);
}

// Many rows through the index's growth, with part numbers that clean to the
// same text and rows changed behind its back: the first row of a cleaned
// part number is found, never one whose part number does not match.
TEST(ProductTableRows, FindsTheFirstMatchingRowAmongManyAndAfterDirectChanges) {
  CExtraFields table;
  constexpr int kRows = 5000;
  for (int i = 0; i < kRows; ++i) ASSERT_TRUE(table.addRow("P;" + std::to_string(i), -1));
  EXPECT_FALSE(table.addRow("P_17", -1));
  table.rows.push_back(table.rows[17]);  // a duplicate appended directly
  table.rows[42].partNumber = "Renamed";
  struct Case {
    std::string partNumber;
    int32_t row;
  };
  for (const Case& c : std::vector<Case>{{"P_0", 0},
                                         {"P_17", 17},
                                         {"P_4999", kRows - 1},
                                         {"P;17", -1},
                                         {"P_42", -1},
                                         {"Renamed", 42},
                                         {"P_5000", -1}}) {
    EXPECT_EQ(table.findRow(c.partNumber), c.row) << c.partNumber;
  }
}

TEST(ProductTableRows, SingleSpaceAndEmptyPartNumbers) {
  CExtraFields table;
  EXPECT_TRUE(table.addRow(" ", -1));
  EXPECT_FALSE(table.addRow("_", -1));
  EXPECT_EQ(table.findRow("_"), 0);
  EXPECT_TRUE(table.addRow("", -1));
  EXPECT_EQ(table.findRow(""), 1);
}

TEST(ProductTableRows, CursorIteration) {
  CExtraFields table;
  EXPECT_FALSE(table.firstRow());
  EXPECT_FALSE(table.nextRow());
  table.addRow("1", -1);
  table.addRow("2", -1);
  std::vector<std::string> visited;
  ASSERT_TRUE(table.firstRow());
  EXPECT_EQ(table.currentRow, -1);
  while (table.nextRow()) visited.push_back(table.getText(kPartNumberColumn));
  EXPECT_EQ(visited, (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(table.currentRow, -1);
}

TEST(ProductTableRows, CurrentRowGettersAndSettersWithTheirGuards) {
  CExtraFields table;
  // Without a current row.
  EXPECT_EQ(table.currentItem().partNumber, "Bad Item");
  EXPECT_EQ(table.getText(kDescriptionColumn), "");
  EXPECT_EQ(table.getFlag(kFeatureFlagColumn), 0);
  table.setText(kDescriptionColumn, "ignored");
  table.setLink("x", 1);
  EXPECT_FALSE(table.setPartNumber("X"));
  EXPECT_EQ(table.categoryDescriptionOf(), "");

  table.addRow("P", -1);
  table.addRow("Q", -1);
  table.currentRow = 0;
  table.setText(kDescriptionColumn, "Pen|red");
  EXPECT_EQ(table.getText(kDescriptionColumn), "Pen red");
  table.setText(kPartNumberColumn, "ignored");
  EXPECT_EQ(table.getText(kPartNumberColumn), "P");

  table.setLink(" http://p.example ", 2);
  table.setLink("http://bad", 3);
  table.setLink("http://bad", -1);
  EXPECT_EQ(table.currentItem().link, "http://p.example");
  EXPECT_EQ(table.getFlag(kLinkFlagColumn), 2);
  table.setPicture("p.gif", 2);
  table.setPicture("bad.gif", 3);
  EXPECT_EQ(table.currentItem().picture, "p.gif");
  table.setPublishState(1);
  table.setPublishState(2);
  table.setFeatureFlag(0);
  table.setFeatureFlag(5);
  table.setTaxFlag(0);
  table.setTaxFlag(2);
  EXPECT_EQ(table.getFlag(kPublishStateColumn), 1);
  EXPECT_EQ(table.getFlag(kFeatureFlagColumn), 0);
  EXPECT_EQ(table.getFlag(kTaxFlagColumn), 0);
  table.setDownload("a.zip", "pw", 1, 0);
  table.setDownload("b.zip", "pw", 2, 1);
  EXPECT_EQ(table.currentItem().downloadPath, "a.zip");
  EXPECT_EQ(table.getFlag(kUploadFlagColumn), 0);

  EXPECT_FALSE(table.setPartNumber("Q"));
  EXPECT_TRUE(table.setPartNumber("P"));
  EXPECT_TRUE(table.setPartNumber("R"));
  EXPECT_EQ(table.findRow("R"), 0);
  EXPECT_EQ(table.findRow("P"), -1);

  table.setText(kCategoryColumn, "Pens");
  table.categoryNames = {"Ink", "Pens"};
  table.categoryDescriptions = {"Inks", "Fine pens"};
  EXPECT_EQ(table.categoryDescriptionOf(), "Fine pens");
}

TEST(ProductTableFeatures, AddAndRemoveKeepOneSelectionPerDefinition) {
  CExtraFields table;
  table.addRow("1", -1);
  table.addFeature({"Size", {"S", "M"}}, true);
  table.addFeature({"Colour", {"Red"}}, false);
  table.addFeature({"Size", {"XL"}}, false);
  ASSERT_EQ(table.featureDefinitions.size(), 2u);
  EXPECT_EQ(table.featureDefinitions[0].options, (std::vector<std::string>{"S", "M"}));
  const std::vector<CFeatureCheck>& selections = table.rows[0].featureSelections;
  ASSERT_EQ(selections.size(), 2u);
  EXPECT_EQ(selections[0].selectedOptions, (std::vector<std::string>{"S", "M"}));
  EXPECT_EQ(selections[0].checked, 0);
  EXPECT_TRUE(selections[1].selectedOptions.empty());

  table.currentRow = 0;
  table.setFeatureSelections({CFeatureCheck("Size", 1, {"M"})});
  EXPECT_EQ(table.rows[0].featureSelections[0].selectedOptions.size(), 2u);

  table.removeFeature(0);
  table.removeFeature(4);
  ASSERT_EQ(table.featureDefinitions.size(), 1u);
  ASSERT_EQ(table.rows[0].featureSelections.size(), 1u);
  EXPECT_EQ(table.rows[0].featureSelections[0].label, "Colour");
}

TEST(ProductTableCategories, AddCategoryOnce) {
  CExtraFields table;
  table.addCategory("Tea");
  table.addCategory("Cups");
  table.addCategory("Tea");
  EXPECT_EQ(table.categoryNames, (std::vector<std::string>{"Tea", "Cups"}));
  EXPECT_EQ(table.categoryDescriptions, table.categoryNames);
}

TEST(ProductTableSorting, KeysAndChoices) {
  CExtraFields table;
  table.inProgram = 1;
  EXPECT_EQ(table.sortKeyChoices(), (std::vector<int32_t>{0, 1, 3, 2, 5, 9, 8, 11, 14, 15}));
  EXPECT_TRUE(table.weightsAvailable());
  table.inProgram = 0;
  table.columnIndex[kDescriptionColumn] = 1;
  table.columnIndex[kPriceColumn] = 0;
  EXPECT_EQ(table.sortKeyChoices(), (std::vector<int32_t>{1, 2, 5, 9, 8, 11, 14, 15}));
  EXPECT_FALSE(table.weightsAvailable());
  table.columnIndex[kWeightColumn] = 3;
  EXPECT_TRUE(table.weightsAvailable());
}

TEST(ProductTableSorting, SortsOnlyWhenEnabledByEachKey) {
  CExtraFields table;
  const struct {
    const char* part;
    const char* price;
    const char* weight;
    int32_t linkFlag;
  } rows[] = {{"c", "10", "10", 1}, {"a", "9", "9", 0}, {"b", "9.5x", "10", 1}, {"d", "", "9", 0}};
  for (const auto& row : rows) {
    table.addRow(row.part, -1);
    table.selectRow(row.part);
    table.setText(kPriceColumn, row.price);
    table.setText(kWeightColumn, row.weight);
    table.setLink("", row.linkFlag);
  }
  table.sortKey1 = kPriceColumn;
  table.sortRows();
  EXPECT_EQ(partNumbers(table), (std::vector<std::string>{"c", "a", "b", "d"}));

  table.sortEnabled = 1;
  table.sortRows();
  EXPECT_EQ(partNumbers(table), (std::vector<std::string>{"d", "a", "b", "c"}));
  EXPECT_EQ(table.findRow("c"), 3);

  table.sortKey1 = kWeightColumn;  // texts: "10" before "9"
  table.sortDescending1 = 0;
  table.sortThenEnabled = 1;
  table.sortKey2 = kPartNumberColumn;
  table.sortDescending2 = 1;
  table.sortRows();
  EXPECT_EQ(partNumbers(table), (std::vector<std::string>{"c", "b", "d", "a"}));

  table.sortKey1 = kLinkFlagColumn;
  table.sortDescending1 = 1;
  table.sortKey2 = kPriceColumn;
  table.sortDescending2 = 0;
  table.sortRows();
  EXPECT_EQ(partNumbers(table), (std::vector<std::string>{"b", "c", "d", "a"}));

  // Rows equal on the first two keys go by the third.
  table.sortKey2 = kWeightColumn;
  table.sortThen2Enabled = 1;
  table.sortKey3 = kPartNumberColumn;
  table.sortDescending3 = 0;
  table.sortRows();
  EXPECT_EQ(partNumbers(table), (std::vector<std::string>{"b", "c", "a", "d"}));
}

TEST(ProductTableCopy, CopiesAllButTheDialogOwnFields) {
  CExtraFields source;
  source.addRow("X", -1);
  source.inProgram = 1;
  source.sourcePath = "a.csv";
  source.companyName = "Acme";
  source.sortKey1 = 5;
  source.categoryNames = {"C"};
  source.categoryDescriptions = {"D"};
  source.categoryPageLinks = {"C:Page"};
  source.categoryLinkFont.face = "Verdana";
  source.fileVersion = "4.2a";
  source.currentRow = 0;
  source.featureColumnCount = 3;

  CExtraFields copy;
  copy.categoryLinkFont.face = "Courier";
  copy.categoryPageLinks = {"Mine:Page"};
  copy.fileVersion = "4.2b";
  copy.featureColumnCount = 1;
  copy.copyFrom(source);
  EXPECT_EQ(partNumbers(copy), std::vector<std::string>{"X"});
  EXPECT_EQ(copy.findRow("X"), 0);
  EXPECT_EQ(copy.inProgram, 1);
  EXPECT_EQ(copy.sourcePath, "a.csv");
  EXPECT_EQ(copy.companyName, "Acme");
  EXPECT_EQ(copy.sortKey1, 5);
  EXPECT_EQ(copy.categoryDescriptions, std::vector<std::string>{"D"});
  EXPECT_EQ(copy.categoryLinkFont.face, "Courier");
  EXPECT_EQ(copy.categoryPageLinks, std::vector<std::string>{"Mine:Page"});
  EXPECT_EQ(copy.fileVersion, "4.2b");
  EXPECT_EQ(copy.currentRow, -1);
  EXPECT_EQ(copy.featureColumnCount, 1);
}

TEST(ProductTableImportedColumns, FedWhenTheColumnOrItsFlagIsMapped) {
  CExtraFields table;
  table.inProgram = 0;
  table.columnIndex[kLinkFlagColumn] = 4;
  table.columnIndex[kPictureColumn] = 0;
  EXPECT_TRUE(table.isFedFromSource(kLinkColumn));
  EXPECT_TRUE(table.isFedFromSource(kPictureColumn));
  EXPECT_FALSE(table.isFedFromSource(kSalesDescriptionColumn));
  EXPECT_FALSE(table.isFedFromSource(kPublishStateColumn));
  table.inProgram = 1;
  EXPECT_FALSE(table.isFedFromSource(kLinkColumn));
}

}  // namespace
}  // namespace quorvex
