#include "products/product_row_parser.h"

#include <array>
#include <cctype>
#include <limits>
#include <string_view>

#include "platform/strings.h"
#include "products/category_name_form.h"
#include "products/product_column.h"
#include "products/product_text.h"

namespace quorvex {

namespace {

// The names the missing-field messages give the columns 0 to 15.
constexpr std::array<std::string_view, kTaxFlagColumn> kMessageNames = {
    "Part Number",   "Description",       "Price",         "Weight",
    "Category",      "Sales Description", "Link",          "Picture",
    "Picture Flag",  "Link Flag",         "Publish Flag",  "Feature Flag",
    "Download Path", "Download Password", "Download Flag", "Upload Flag"};

// The order in which a line's columns are checked, which decides the message
// of a read: the messages' own order.
constexpr std::array<int32_t, 5> kLeadingColumns = {kPartNumberColumn, kDescriptionColumn,
                                                    kCategoryColumn, kWeightColumn, kPriceColumn};

// The text columns among 5 to 15; the others are flags.
bool isTextColumn(int32_t column) {
  return column == kSalesDescriptionColumn || column == kLinkColumn ||
         column == kPictureColumn || column == kDownloadPathColumn ||
         column == kDownloadPasswordColumn;
}

// A price as the file gives it, keeping only digits and points ("$1,234.50"
// gives "1234.50").
std::string priceDigits(std::string_view text) {
  std::string price;
  for (char c : text) {
    if ((c >= '0' && c <= '9') || c == '.') price.push_back(c);
  }
  return price;
}

// True when a price as the file gives it is a number of 0 or more: besides
// digits, one decimal point, blanks, thousands commas and currency signs, it
// holds nothing (no minus sign, no letter such as an exponent).
bool isPriceText(std::string_view text) {
  int points = 0;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '.') ++points;
    if (c == '-' || std::isalpha(byte) || points > 1) return false;
  }
  return true;
}

// The usual decimal conversion: leading blanks, an optional sign, then
// digits up to the first other character; 0 without digits. Values beyond
// the int32 range saturate.
int32_t decimalValue(std::string_view text) {
  size_t i = text.find_first_not_of(" \t\n\v\f\r");
  if (i == std::string_view::npos) return 0;
  bool negative = false;
  if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
  int64_t value = 0;
  const int64_t limit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = std::min(limit, value * 10 + (text[i] - '0'));
  }
  if (negative) return static_cast<int32_t>(-value);
  return static_cast<int32_t>(std::min(value, limit - 1));
}

bool allBlank(const std::vector<std::string>& fields) {
  for (const std::string& field : fields) {
    if (!trim(field).empty()) return false;
  }
  return true;
}

}  // namespace

ProductRowParser::ProductRowParser(const CExtraFields& table, bool ownFile, Prompter& prompter)
    : table_(table), ownFile_(ownFile), prompter_(prompter) {
  if (table.inProgram != 0) return;
  const size_t listed = std::min(table.categoryNames.size(), table.categoryDescriptions.size());
  for (size_t i = 0; i < listed; ++i) {
    categoryPublished_.try_emplace(table.categoryNames[i],
                                   table.categoryDescriptions[i] != kDoNotPublishDescription);
  }
}

std::string ProductRowParser::missingFieldMessage(int32_t column) {
  if (column < 0 || column >= static_cast<int32_t>(kMessageNames.size())) return "";
  return "Could not find the " + std::string(kMessageNames[column]) +
         " field for one or more rows in your database.";
}

int32_t ProductRowParser::position(int32_t column) const {
  return ownFile_ ? column : table_.columnIndex[column];
}

void ProductRowParser::reportMissing(int32_t column) {
  if (messageShown_) return;
  messageShown_ = true;
  prompter_.showMessage(missingFieldMessage(column));
}

bool ProductRowParser::parse(const std::vector<std::string>& fields, ParsedRow* row) {
  *row = ParsedRow();
  if (allBlank(fields)) return false;
  CExtraItem& item = row->item;
  const int32_t count = static_cast<int32_t>(fields.size());
  for (int32_t column : kLeadingColumns) {
    const int32_t at = position(column);
    if (at < 0 && column == kCategoryColumn) {
      item.category = std::string("none");
    } else if (at < 0 && column == kWeightColumn) {
      item.weight = std::string("0");
    } else if (at >= 0 && at < count) {
      std::string& value = column == kPartNumberColumn    ? item.partNumber
                           : column == kDescriptionColumn ? item.description
                           : column == kCategoryColumn    ? item.category
                           : column == kWeightColumn      ? item.weight
                                                          : item.price;
      value = column == kPriceColumn ? priceDigits(fields[at]) : fields[at];
    } else {
      reportMissing(column);
    }
  }
  for (int32_t column = kSalesDescriptionColumn; column <= kUploadFlagColumn; ++column) {
    const int32_t at = position(column);
    if (at >= count) reportMissing(column);
    if (at <= 0 || at >= count) continue;
    if (isTextColumn(column)) {
      item.setText(column, fields[at]);
    } else {
      item.setFlag(column, decimalValue(fields[at]));
    }
  }
  readFeaturesAndTax(fields, row);
  const int32_t priceAt = position(kPriceColumn);
  if (priceAt >= 0 && priceAt < count && !isPriceText(fields[priceAt])) {
    if (!priceMessageShown_) {
      priceMessageShown_ = true;
      prompter_.showMessage("The price \"" + fields[priceAt] + "\" of the product \"" +
                            item.partNumber +
                            "\" is not a number of 0 or more; that row was left out.");
    }
    return false;
  }
  return table_.inProgram != 0 || categoryPublished(item.category);
}

void ProductRowParser::readFeaturesAndTax(const std::vector<std::string>& fields,
                                          ParsedRow* row) {
  const int32_t count = static_cast<int32_t>(fields.size());
  const std::vector<CProductFeature>& definitions = table_.featureDefinitions;
  int32_t taxAt = table_.columnIndex[kTaxFlagColumn];
  int32_t firstFeature = kTaxFlagColumn;
  int32_t featureColumns = 0;
  if (ownFile_) {
    taxAt = kTaxFlagColumn;
    if (table_.fileVersion == "4.2b") {
      firstFeature = kTaxFlagColumn + 1;
      featureColumns = std::max(0, count - firstFeature);
    } else if (table_.fileVersion == "4.2a") {
      const int32_t defined = static_cast<int32_t>(definitions.size());
      featureColumns = count >= firstFeature + defined ? defined : 0;
      taxAt = firstFeature + defined;
    } else {
      featureColumns = std::max(0, count - firstFeature);
    }
  }
  if (!table_.fileVersion.empty() && taxAt > 0 && taxAt < count) {
    row->item.taxFlag = decimalValue(fields[taxAt]);
  }
  row->featureColumnCount = featureColumns;
  const size_t readable = std::min(static_cast<size_t>(featureColumns), definitions.size());
  for (size_t i = 0; i < readable; ++i) {
    const std::string& bits = fields[firstFeature + i];
    const CProductFeature& definition = definitions[i];
    if (bits.size() != definition.options.size()) break;
    std::vector<std::string> chosen;
    for (size_t option = 0; option < bits.size(); ++option) {
      if (bits[option] == '1') chosen.push_back(definition.options[option]);
    }
    const int32_t checked = chosen.empty() ? 0 : 1;
    row->item.featureSelections.emplace_back(definition.name, checked, std::move(chosen));
  }
}

bool ProductRowParser::categoryPublished(const std::string& category) const {
  auto it = categoryPublished_.find(category);
  return it != categoryPublished_.end() && it->second;
}

}  // namespace quorvex
