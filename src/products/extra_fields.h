#ifndef QUORVEX_PRODUCTS_EXTRA_FIELDS_H_
#define QUORVEX_PRODUCTS_EXTRA_FIELDS_H_

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "document/record.h"
#include "products/extra_item.h"
#include "products/product_column.h"
#include "products/product_feature.h"
#include "site/font_data.h"

namespace quorvex {

class CDBase;

// The product table: the product rows, the feature definitions, the category
// list, the sort order of the generated site and the settings that tie the
// table to the file its rows come from. A table is either maintained in the
// program (PriceList.txt in the site folder is its master) or imported from
// an external delimited file.
//
// The rows are working data: they are loaded from PriceList.txt before a step
// that needs them and released after it, so the document normally stores an
// empty row list; only the settings persist.
//
// Invariants: categoryNames and categoryDescriptions have the same length and
// order; every row has one featureSelections entry per feature definition, in
// definition order; cleaned part numbers are unique within `rows`.
class CExtraFields : public Record {
  QUORVEX_RECORD(CExtraFields)

 public:
  // The current schema, written with the class description.
  static constexpr uint16_t kSchema = 12;

  using ColumnPositions = std::array<int32_t, kProductColumnCount>;

  // The font of the text category links.
  CFontData categoryLinkFont;
  // Assignments of categories to Specific Category pages, each
  // "<category>:<page label>".
  std::vector<std::string> categoryPageLinks;
  // 1: product pictures are resized for the site to imageWidth.
  int32_t imageResizeAll = 1;
  // The width in pixels of resized product pictures, 0 to 9999.
  int32_t imageWidth = 100;
  std::vector<CProductFeature> featureDefinitions;
  // The switches of the three sort keys ("Sort products by", "Then by",
  // "Then by").
  int32_t sortEnabled = 0;
  int32_t sortThenEnabled = 0;
  int32_t sortThen2Enabled = 0;
  // Not stored: the version in the header line of PriceList.txt.
  std::string fileVersion;
  // Not stored: the company name, set by the document; names the site folder.
  std::string companyName;
  // 1 when the table is maintained in the program, 0 when it is imported.
  int32_t inProgram = 0;
  // The file the rows come from: PriceList.txt in the site folder for an
  // in-program table, the external file for an imported one.
  std::string sourcePath;
  // The sort keys: a column number each, and 1 for descending order.
  int32_t sortKey1 = kPriceColumn;
  int32_t sortDescending1 = 0;
  int32_t sortKey2 = kDescriptionColumn;
  int32_t sortDescending2 = 0;
  int32_t sortKey3 = kPartNumberColumn;
  int32_t sortDescending3 = 0;
  // For an imported table, the position in an external line of each column;
  // -1 when the column is not used.
  ColumnPositions columnIndex = unusedColumns();
  // Not stored: the number of feature columns in the last row read.
  int32_t featureColumnCount = 0;
  // Lines at the top of the source file before the first row, plus one.
  int32_t headerLines = 0;
  // Field delimiter and text qualifier of the source file.
  char delimiter = ',';
  char quoteChar = '"';
  // The folder prefixed to the picture names of an imported table; empty when
  // the pictures carry their own path.
  std::string pictureFolder;
  // The categories as they stand in the rows.
  std::vector<std::string> categoryNames;
  // Parallel to categoryNames: the name shown on the web pages, or
  // "DO NOT PUBLISH".
  std::vector<std::string> categoryDescriptions;
  // Not stored: the index of the row that the single-row operations address;
  // -1 for none.
  int32_t currentRow = -1;
  std::vector<CExtraItem> rows;

  // Returns column positions that use no column (-1 each).
  static constexpr ColumnPositions unusedColumns() {
    ColumnPositions positions{};
    positions.fill(-1);
    return positions;
  }

  // Takes the table settings that documents of format versions 1 and 2 keep
  // in the legacy descriptor: sourcePath, headerLines, delimiter, quoteChar,
  // the five column positions into columnIndex entries 0 to 4 (Part Number to
  // Category), categoryNames, categoryDescriptions and inProgram. The rows and
  // every other setting are left as they are.
  void takeLegacySettings(const CDBase& legacy);

  // Schema 12: imageResizeAll, imageWidth, rows, featureDefinitions,
  // categoryNames, categoryDescriptions, categoryPageLinks, headerLines,
  // delimiter, quoteChar (one byte each), sourcePath, columnIndex 0 to 15,
  // inProgram, pictureFolder, the three sort switches, the three sort keys
  // each with its direction, columnIndex 16, categoryLinkFont.
  //
  // Reads every older schema from 1 to 11; what a schema does not hold keeps
  // its default, except that schemas 1 and 2 set imageResizeAll to 0. Any
  // other stored schema fails the archive: its layout is unknown and the
  // bytes that follow could not be found.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;

 private:
  // The part of the layout that schema 5 added: the category lists and the
  // source file settings, as far as `schema` holds them.
  void ioCategorySettings(Archive& ar, uint16_t schema);
  // The part that schema 10 added: the sort settings, from schema 11 followed
  // by columnIndex entry 16.
  void ioSortSettings(Archive& ar, uint16_t schema);
};

}  // namespace quorvex

#endif  // QUORVEX_PRODUCTS_EXTRA_FIELDS_H_
