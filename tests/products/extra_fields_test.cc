#include <gtest/gtest.h>

#include "company/class_table.h"
#include "document/json_form.h"
#include "products/dbase.h"
#include "products/extra_fields.h"
#include "support/archive_bytes.h"

namespace quorvex {
namespace {

using testing::ArchiveBytes;
using testing::readObject;
using testing::writeObject;

// Column positions that the sample stores: entry i holds i + 10.
int32_t storedPosition(int32_t column) { return column + 10; }

// The number of columnIndex entries stored before inProgram in `schema`.
int32_t leadingColumns(uint16_t schema) { return schema == 5 ? 12 : schema <= 7 ? 15 : 16; }

// The sample table as it is stored in `schema`, spelled out from the layout
// of each schema: every value differs from the default, so that a field read
// from the wrong place or not read at all shows.
ArchiveBytes storedTable(uint16_t schema) {
  ArchiveBytes bytes;
  bytes.newClass("CExtraFields", schema);
  if (schema <= 3) bytes.int32(77);  // discarded
  if (schema >= 3) bytes.int32(0).int32(250);
  bytes.count(1).int32(6).str("TEA-1").str("").str("http://").str("").int32(0).int32(0).int32(0)
      .int32(1).count(1).int32(2).str("Size").int32(1).count(1).str("M").int32(0).str("").str("")
      .int32(2);
  if (schema >= 2) bytes.count(1).int32(1).str("Size").count(2).str("S").str("M");
  if (schema >= 5) {
    bytes.count(1).str("Tea").count(1).str("Our Teas");
    if (schema >= 9) bytes.count(1).str("Tea:Tea Page");
    bytes.int32(3).byte(';').byte('\'').str("C:\\Data\\stock.csv");
    for (int32_t column = 0; column < leadingColumns(schema); ++column) {
      bytes.int32(storedPosition(column));
    }
    bytes.int32(1);
    if (schema >= 7) bytes.str("Pictures");
  }
  if (schema >= 10) {
    bytes.int32(1).int32(1).int32(1).int32(3).int32(1).int32(5).int32(1).int32(8).int32(1);
  }
  if (schema >= 11) bytes.int32(storedPosition(16));
  if (schema >= 12) {
    bytes.int32(1).int32(1).int32(0xFF).str("Verdana").int32(0).int32(2).int32(0).int32(0)
        .logFont(20, 400, "Arial");
  }
  return bytes;
}

// The sample table in memory, as schema 12 stores it.
CExtraFields sampleTable() {
  CExtraFields table;
  table.imageResizeAll = 0;
  table.imageWidth = 250;
  CExtraItem& row = table.rows.emplace_back();
  row.partNumber = "TEA-1";
  row.featureSelections.emplace_back("Size", 1, std::vector<std::string>{"M"});
  table.featureDefinitions.emplace_back("Size", std::vector<std::string>{"S", "M"});
  table.categoryNames = {"Tea"};
  table.categoryDescriptions = {"Our Teas"};
  table.categoryPageLinks = {"Tea:Tea Page"};
  table.headerLines = 3;
  table.delimiter = ';';
  table.quoteChar = '\'';
  table.sourcePath = "C:\\Data\\stock.csv";
  for (int32_t column = 0; column < kProductColumnCount; ++column) {
    table.columnIndex[column] = storedPosition(column);
  }
  table.inProgram = 1;
  table.pictureFolder = "Pictures";
  table.sortEnabled = table.sortThenEnabled = table.sortThen2Enabled = 1;
  table.sortKey1 = 3;
  table.sortDescending1 = 1;
  table.sortKey2 = 5;
  table.sortDescending2 = 1;
  table.sortKey3 = 8;
  table.sortDescending3 = 1;
  table.categoryLinkFont.set("Verdana", 0xFF, 80, 0, 1, 0, 0);
  // Not stored.
  table.companyName = "Acme";
  table.fileVersion = "4.2b";
  table.currentRow = 0;
  table.featureColumnCount = 1;
  return table;
}

// Reads the stored table; expects every byte to be read.
Owned<CExtraFields> readTable(const ArchiveBytes& bytes) {
  std::string error;
  size_t consumed = 0;
  Owned<CExtraFields> table = readObject<CExtraFields>(bytes, &error, &consumed);
  EXPECT_TRUE(table) << error;
  EXPECT_EQ(consumed, bytes.bytes().size());
  return table;
}

// Checks what the sample stored in `schema` reads back as: the values the
// schema holds, the defaults for the rest.
void expectSampleRead(const CExtraFields& table, uint16_t schema) {
  EXPECT_EQ(table.imageResizeAll, 0);
  EXPECT_EQ(table.imageWidth, schema >= 3 ? 250 : 100);
  ASSERT_EQ(table.rows.size(), 1u);
  EXPECT_EQ(table.rows[0].partNumber, "TEA-1");
  ASSERT_EQ(table.rows[0].featureSelections.size(), 1u);
  EXPECT_EQ(table.rows[0].featureSelections[0].selectedOptions, std::vector<std::string>{"M"});
  EXPECT_EQ(table.featureDefinitions.size(), schema >= 2 ? 1u : 0u);
  const bool settings = schema >= 5;
  EXPECT_EQ(table.categoryNames, settings ? std::vector<std::string>{"Tea"}
                                          : std::vector<std::string>{});
  EXPECT_EQ(table.categoryDescriptions.size(), settings ? 1u : 0u);
  EXPECT_EQ(table.categoryPageLinks.size(), schema >= 9 ? 1u : 0u);
  EXPECT_EQ(table.headerLines, settings ? 3 : 0);
  EXPECT_EQ(table.delimiter, settings ? ';' : ',');
  EXPECT_EQ(table.quoteChar, settings ? '\'' : '"');
  EXPECT_EQ(table.sourcePath, settings ? "C:\\Data\\stock.csv" : "");
  EXPECT_EQ(table.inProgram, settings ? 1 : 0);
  for (int32_t column = 0; column < kProductColumnCount; ++column) {
    const bool stored = column == kTaxFlagColumn
                            ? schema >= 11
                            : settings && column < leadingColumns(schema);
    EXPECT_EQ(table.columnIndex[column], stored ? storedPosition(column) : -1) << column;
  }
  EXPECT_EQ(table.pictureFolder, schema >= 7 ? "Pictures" : "");
  const bool sorting = schema >= 10;
  EXPECT_EQ(table.sortEnabled + table.sortThenEnabled + table.sortThen2Enabled, sorting ? 3 : 0);
  EXPECT_EQ(table.sortKey1, sorting ? 3 : 2);
  EXPECT_EQ(table.sortKey2, sorting ? 5 : 1);
  EXPECT_EQ(table.sortKey3, sorting ? 8 : 0);
  EXPECT_EQ(table.sortDescending1 + table.sortDescending2 + table.sortDescending3,
            sorting ? 3 : 0);
  EXPECT_EQ(table.categoryLinkFont.face, schema >= 12 ? "Verdana" : "Arial");
  EXPECT_EQ(table.categoryLinkFont.bold, schema >= 12 ? 1 : 0);
}

TEST(ExtraFields, Schema12WrittenByteForByteAndReadBack) {
  CExtraFields table = sampleTable();
  const ArchiveBytes expected = storedTable(12);
  EXPECT_EQ(writeObject(table), expected.bytes());

  Owned<CExtraFields> back = readTable(expected);
  ASSERT_TRUE(back);
  expectSampleRead(*back, 12);
  EXPECT_EQ(back->categoryLinkFont.color, 0xFF);
  EXPECT_EQ(back->categoryLinkFont.htmlSize, 2);
  EXPECT_EQ(back->companyName, "");
  EXPECT_EQ(back->fileVersion, "");
  EXPECT_EQ(back->currentRow, -1);
  EXPECT_EQ(back->featureColumnCount, 0);
}

TEST(ExtraFields, NewTableDefaultsSurviveARoundTrip) {
  CExtraFields fresh;
  const std::string bytes = writeObject(fresh);
  Owned<CExtraFields> back = readObject<CExtraFields>(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(writeObject(*back), bytes);
  EXPECT_EQ(back->imageResizeAll, 1);
  EXPECT_EQ(back->imageWidth, 100);
  EXPECT_EQ(back->sortKey1, kPriceColumn);
  EXPECT_EQ(back->sortKey2, kDescriptionColumn);
  EXPECT_EQ(back->sortKey3, kPartNumberColumn);
  EXPECT_EQ(back->columnIndex, CExtraFields::unusedColumns());
  EXPECT_EQ(back->columnIndex[kTaxFlagColumn], -1);
  EXPECT_EQ(back->delimiter, ',');
  EXPECT_EQ(back->quoteChar, '"');
  EXPECT_EQ(back->currentRow, -1);
  EXPECT_EQ(back->categoryLinkFont.face, "Arial");
}

TEST(ExtraFields, EveryOlderSchemaReadsWhatItHolds) {
  for (uint16_t schema = 1; schema < CExtraFields::kSchema; ++schema) {
    SCOPED_TRACE("schema " + std::to_string(schema));
    Owned<CExtraFields> table = readTable(storedTable(schema));
    if (table) expectSampleRead(*table, schema);
  }
}

TEST(ExtraFields, UnknownSchemaFailsTheRead) {
  for (uint16_t schema : {0, 13}) {
    std::string error;
    ArchiveBytes bytes;
    bytes.newClass("CExtraFields", schema).int32(1).int32(100).count(0).count(0);
    EXPECT_FALSE(readObject<CExtraFields>(bytes, &error));
    EXPECT_NE(error.find("CExtraFields of schema 1 to 12"), std::string::npos) << error;
  }
}

TEST(ExtraFields, TakesTheLegacySettings) {
  CDBase legacy;
  legacy.sourcePath = "C:\\Data\\stock.csv";
  legacy.headerLines = 2;
  legacy.delimiter = '\t';
  legacy.quoteChar = '\'';
  legacy.columnPositions = {0, 1, 4, -1, 2};
  legacy.categoryNames = {"Tea", "Cups"};
  legacy.categoryDescriptions = {"Teas", "Cups and Mugs"};
  legacy.inProgram = 1;

  CExtraFields table = sampleTable();
  table.takeLegacySettings(legacy);
  EXPECT_EQ(table.sourcePath, legacy.sourcePath);
  EXPECT_EQ(table.headerLines, 2);
  EXPECT_EQ(table.delimiter, '\t');
  EXPECT_EQ(table.quoteChar, '\'');
  EXPECT_EQ(table.columnIndex[kPartNumberColumn], 0);
  EXPECT_EQ(table.columnIndex[kDescriptionColumn], 1);
  EXPECT_EQ(table.columnIndex[kPriceColumn], 4);
  EXPECT_EQ(table.columnIndex[kWeightColumn], -1);
  EXPECT_EQ(table.columnIndex[kCategoryColumn], 2);
  EXPECT_EQ(table.columnIndex[kSalesDescriptionColumn], storedPosition(kSalesDescriptionColumn));
  EXPECT_EQ(table.categoryNames, legacy.categoryNames);
  EXPECT_EQ(table.categoryDescriptions, legacy.categoryDescriptions);
  EXPECT_EQ(table.inProgram, 1);
  EXPECT_EQ(table.pictureFolder, "Pictures");
  EXPECT_EQ(table.rows.size(), 1u);
}

TEST(ExtraFields, JsonFormNamesTheStoredFieldsAndGivesThemBack) {
  CExtraFields table = sampleTable();
  const Json json = fieldsToJson([&](FieldVisitor& v) { table.visitFields(v); });
  for (const char* key : {"imageResizeAll", "rows", "featureDefinitions", "categoryPageLinks",
                          "delimiter", "quoteChar", "columnIndex", "sortThen2Enabled",
                          "categoryLinkFont"}) {
    EXPECT_TRUE(json.contains(key)) << key;
  }
  for (const char* key : {"companyName", "fileVersion", "currentRow", "featureColumnCount"}) {
    EXPECT_FALSE(json.contains(key)) << key;
  }
  EXPECT_EQ(json["rows"][0]["featureSelections"][0]["selectedOptions"][0], "M");

  CExtraFields back;
  Status status = fieldsFromJson(documentClasses(), json, [&](FieldVisitor& v) { back.visitFields(v); }, "table");
  ASSERT_TRUE(status.ok()) << status.message();
  EXPECT_EQ(writeObject(back), writeObject(table));
}

}  // namespace
}  // namespace quorvex
