#ifndef QUORVEX_PRODUCTS_EXTRA_FIELDS_H_
#define QUORVEX_PRODUCTS_EXTRA_FIELDS_H_

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document/font_data.h"
#include "document/record.h"
#include "platform/env.h"
#include "platform/status.h"
#include "products/extra_item.h"
#include "products/part_number_index.h"
#include "products/product_column.h"
#include "products/product_feature.h"

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

  // Returns true for a table imported from an external file (inProgram 0).
  bool isImported() const { return inProgram == 0; }

  // Takes the table settings that documents of format versions 1 and 2 keep
  // in the legacy descriptor: sourcePath, headerLines, delimiter, quoteChar,
  // the five column positions into columnIndex entries 0 to 4 (Part Number to
  // Category), categoryNames, categoryDescriptions and inProgram. The rows and
  // every other setting are left as they are.
  void takeLegacySettings(const CDBase& legacy);

  // Completes the move of a table out of a document of format version 1 or
  // 2, after takeLegacySettings(): reads the rows from where such a table kept
  // them (PriceList.txt for an in-program table, the external file for an
  // imported one), writes them to PriceList.txt and releases them. When the
  // rows cannot be read, PriceList.txt is left as it is.
  void migrateLegacyRows(const Env& env);

  // ---- The product file ----------------------------------------------------
  // PriceList.txt lies in the site folder <home>/<companyName>/, found there
  // without regard to case. File errors are shown through the prompter as
  // "FILE ERROR: " followed by the system's description of the error.

  // Starts an empty in-program table: sourcePath is PriceList.txt in the site
  // folder, headerLines 2, delimiter ",", quoteChar the double quote, no
  // picture folder, every columnIndex entry -1, both category lists empty.
  // Creates the site folder if missing and PriceList.txt (holding only its
  // header line) if it does not exist; an existing file is kept as it is. The
  // caller sets inProgram to 1. Returns false when the folder or the file
  // could not be made (a file error is shown).
  bool createInProgram(const Env& env);

  // Appends the rows of PriceList.txt; then, for an imported table with a
  // source file, refreshes them from that file: new products are added, the
  // imported columns of known ones updated, and products that left the file
  // removed. Fails when the rows could not be had: notFound when the file
  // (the external file of such a table, or else PriceList.txt) does not
  // exist, so that the table is simply empty; another code, after showing the
  // file error, when an existing file could not be read, so that the caller
  // must not write the empty table over it.
  Status loadRows(const Env& env);

  // Appends the rows of PriceList.txt (`ownFile`) or of the external file
  // sourcePath, split and parsed by the rules of product files. A part number
  // seen before updates that row instead of adding one. For an in-program
  // table whose file could be read, the category lists are rebuilt from the
  // rows, in order of first occurrence; for an imported table without a Category column, category 0
  // becomes "none" shown as "Our Products", and rows of unlisted or
  // unpublished categories are left out. Fails as loadRows() does, with the
  // rows emptied; an external read without sourcePath is notFound.
  Status readRows(const Env& env, bool ownFile);

  // Rewrites PriceList.txt from `rows` in the current format (version
  // "4.2b"), creating the site folder if needed. The file is replaced
  // atomically, so a failure never leaves it half written. Returns false
  // after showing the file error.
  [[nodiscard]] bool writeRows(const Env& env) const;

  // ---- Rows ----------------------------------------------------------------
  // Part numbers are looked up through an index, never by scanning. Change
  // `rows` and the part numbers of rows through these operations; the index
  // notices a list that was replaced or resized directly, but not a part
  // number changed in place to a new value. A lookup may rebuild the index,
  // so a table is not to be searched from two threads at once.

  // Empties `rows`, releasing their memory; no row is current.
  void clearRows();

  // Makes room for `count` more rows, so that adding them one by one neither
  // moves the rows nor rehashes the part number index.
  void reserveRows(size_t count);

  // Inserts a new row with default values and `partNumber` before `position`
  // (a negative or too large position appends), with one unchecked, empty
  // feature selection per feature definition. Returns false and changes
  // nothing when a row with the same cleaned part number exists.
  bool addRow(std::string_view partNumber, int32_t position);

  // Makes the row whose cleaned part number equals `partNumber` current.
  // Returns false and changes nothing when there is none.
  bool selectRow(std::string_view partNumber);

  // Returns the index of the row whose cleaned part number equals
  // `partNumber`, -1 when there is none.
  int32_t findRow(std::string_view partNumber) const;

  // Removes the row at `index`; ignored for an index outside the rows.
  void deleteRow(int32_t index);

  // Removes the rows at `indexes` (in any order; repeats and indexes outside
  // the rows are ignored) in one pass.
  void deleteRows(std::vector<int32_t> indexes);

  // Cursor iteration: firstRow() makes no row current and returns whether
  // there are rows; each nextRow() makes the next row current and returns
  // true, and after the last row makes none current and returns false.
  bool firstRow();
  bool nextRow();

  // ---- The current row -----------------------------------------------------
  // These address the row at currentRow. Without a current row, getters
  // return "" or 0 (the whole-row getter a row whose part number is
  // "Bad Item") and setters do nothing.

  const CExtraItem& currentItem() const;
  // The value of `column` as it is read out (CExtraItem::columnText()).
  std::string getText(int32_t column) const;
  // The flag of the flag column `column`.
  int32_t getFlag(int32_t column) const;

  // Sets a text column other than the part number (CExtraItem::setText()).
  void setText(int32_t column, std::string_view text);
  // Sets the part number. Returns false and changes nothing when another row
  // has the same cleaned part number (or there is no current row).
  bool setPartNumber(std::string_view partNumber);
  // Sets link and linkFlag; ignored when the flag is not 0, 1 or 2.
  void setLink(std::string_view link, int32_t flag);
  // Sets picture and pictureFlag; ignored when the flag is not 0, 1 or 2.
  void setPicture(std::string_view picture, int32_t flag);
  // Each ignored when the value is not 0 or 1.
  void setPublishState(int32_t state);
  void setFeatureFlag(int32_t flag);
  void setTaxFlag(int32_t flag);
  // Sets download path, password, download flag and upload flag; ignored when
  // the download flag is not 0 or 1.
  void setDownload(std::string_view path, std::string_view password, int32_t downloadFlag,
                   int32_t uploadFlag);
  // Replaces the feature selections; ignored unless there is one per feature
  // definition.
  void setFeatureSelections(std::vector<CFeatureCheck> selections);

  // Returns the description listed for the current row's category; "" when
  // the category is not listed.
  std::string categoryDescriptionOf() const;

  // ---- Categories, features, order -----------------------------------------

  // Appends `name` to both category lists unless categoryNames has it.
  void addCategory(std::string_view name);

  // Appends `feature` unless a definition of the same name exists, and gives
  // every row an unchecked selection for it: with all its options chosen when
  // `allOptions`, with none otherwise.
  void addFeature(const CProductFeature& feature, bool allOptions);

  // Removes definition `index` and, from every row, the selection carrying
  // its name; ignored for an index outside the definitions.
  void removeFeature(int32_t index);

  // Returns the columns the product order may be sorted by, in the order
  // they are offered: 0, 1, 3 and 2 where the table has them (always for an
  // in-program table, where columnIndex is not negative for an imported
  // one), then 5, 9, 8, 11, 14 and 15.
  std::vector<int32_t> sortKeyChoices() const;

  // When sortEnabled is 1, sorts `rows` by sortKey1, then (sortThenEnabled)
  // sortKey2, then (also sortThen2Enabled) sortKey3, each in its direction
  // (products/row_sorter.h). No row is current afterwards.
  void sortRows();

  // Returns false only for an imported table without a Weight column.
  bool weightsAvailable() const;

  // Returns true when `column` of this imported table is fed from the
  // external file: its columnIndex entry, or that of its flag column (the
  // Picture Flag for the Picture, the Link Flag for the Link), is not
  // negative. Always false for an in-program table.
  bool isFedFromSource(int32_t column) const;

  // Makes this table a copy of `other`'s rows, feature definitions and
  // settings: every field except categoryLinkFont, categoryPageLinks,
  // fileVersion, currentRow and featureColumnCount.
  void copyFrom(const CExtraFields& other);

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
  // The current row; null when there is none.
  const CExtraItem* current() const;
  CExtraItem* current();

  mutable PartNumberIndex partNumbers_;
};

}  // namespace quorvex

#endif  // QUORVEX_PRODUCTS_EXTRA_FIELDS_H_
