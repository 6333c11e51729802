#ifndef QUORVEX_PRODUCTS_PRODUCT_ROW_PARSER_H_
#define QUORVEX_PRODUCTS_PRODUCT_ROW_PARSER_H_

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/prompter.h"
#include "products/extra_fields.h"
#include "products/extra_item.h"

namespace quorvex {

// What one line of a product file holds, once parsed.
struct ParsedRow {
  // The values found, as the row's setters store them (the price keeps only
  // its digits and points); defaults where the line has no value.
  // featureSelections holds the selections read from the feature columns, in
  // definition order, up to the first feature column that did not fit its
  // definition.
  CExtraItem item;
  // The number of feature columns the line holds.
  int32_t featureColumnCount = 0;
};

// Parses the fields of product lines into rows, for one read of a file: the
// own product file (fixed column positions, feature and tax columns by the
// file's version) or the external file of an imported table (the table's
// column positions, no feature columns).
//
// A column that a line lacks is reported once per read, with the first such
// column's message; the row is still taken with what was found.
class ProductRowParser {
 public:
  // Reads the positions, version, feature definitions and categories of
  // `table`, which must outlive the parser and keep them while it parses.
  ProductRowParser(const CExtraFields& table, bool ownFile, Prompter& prompter);

  // Returns the message shown when a line lacks `column` (0 to 15), such as
  // "Could not find the Part Number field for one or more rows in your
  // database."; "" for other numbers (the Tax Flag has none).
  static std::string missingFieldMessage(int32_t column);

  // Parses `fields` into `row`. Returns false when the row is rejected: every
  // field is blank; its price is negative or not a number (the first such row
  // of a read is named in a message); or, for an imported table, its
  // category is not listed or its category's description is "DO NOT
  // PUBLISH".
  [[nodiscard]] bool parse(const std::vector<std::string>& fields, ParsedRow* row);

 private:
  int32_t position(int32_t column) const;
  void reportMissing(int32_t column);
  void readFeaturesAndTax(const std::vector<std::string>& fields, ParsedRow* row);
  bool categoryPublished(const std::string& category) const;

  const CExtraFields& table_;
  const bool ownFile_;
  Prompter& prompter_;
  bool messageShown_ = false;
  bool priceMessageShown_ = false;
  // For an imported table: each listed category and whether it is published.
  std::unordered_map<std::string, bool> categoryPublished_;
};

}  // namespace quorvex

#endif  // QUORVEX_PRODUCTS_PRODUCT_ROW_PARSER_H_
