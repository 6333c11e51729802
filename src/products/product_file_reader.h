#ifndef QUORVEX_PRODUCTS_PRODUCT_FILE_READER_H_
#define QUORVEX_PRODUCTS_PRODUCT_FILE_READER_H_

#include <string>
#include <string_view>
#include <unordered_set>

#include "platform/env.h"
#include "platform/status.h"
#include "products/extra_fields.h"
#include "products/line_cursor.h"
#include "products/product_row_parser.h"

namespace quorvex {

// Reads product rows from their files into a table: PriceList.txt or the
// external file of an imported table (CExtraFields::readRows), and the
// refresh of an imported table from its external file
// (CExtraFields::loadRows). Each read reports at most one missing field.
class ProductFileReader {
 public:
  // `table` and `env` must outlive the reader.
  ProductFileReader(CExtraFields& table, const Env& env) : table_(table), env_(env) {}

  // See CExtraFields::readRows().
  Status readRows(bool ownFile);

  // Updates the rows read from PriceList.txt by the external file: a part
  // number new to the table is added with every imported value; a known one
  // gets its description, price, category and weight and the columns the
  // file feeds (position above 0), the values set in the program for other
  // columns surviving; rows the file no longer holds are removed. When the
  // file cannot be read, the rows are emptied and false returned.
  Status refreshFromSource();

 private:
  // Reads the lines of the own or the external file into `bytes` and points
  // `lines` at the first row, past the header lines; for PriceList.txt sets
  // fileVersion from its header line. Returns false when the file cannot be
  // read, after showing a file error where there was one.
  Status openLines(bool ownFile, std::string* bytes, LineCursor* lines);
  // For an imported table without a Category column: category 0 is "none",
  // shown as "Our Products".
  void listCategoryNone();
  // The picture as an external line gives it, with the picture folder in
  // front when the table has one.
  std::string importedPicture(const std::string& picture, bool ownFile) const;
  // Gives the current row, just added, the values of `parsed` from the
  // description to the feature flag; the long texts are moved out of
  // `parsed`.
  void setNewRowValues(CExtraItem& parsed, bool ownFile);
  void updateReadRow(const ParsedRow& parsed, bool ownFile);
  void updateRefreshedRow(const CExtraItem& parsed);
  void setFeatureSelections(const ParsedRow& parsed);
  // Lists the current row's category for an in-program table.
  void noteCategory();
  bool mapped(int32_t column) const;

  CExtraFields& table_;
  const Env& env_;
  // The categories of an in-program table seen so far in this read.
  std::unordered_set<std::string> categoriesSeen_;
};

}  // namespace quorvex

#endif  // QUORVEX_PRODUCTS_PRODUCT_FILE_READER_H_
