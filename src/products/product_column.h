#ifndef QUORVEX_PRODUCTS_PRODUCT_COLUMN_H_
#define QUORVEX_PRODUCTS_PRODUCT_COLUMN_H_

#include <cstdint>
#include <string_view>

namespace quorvex {

// The columns of a product row. The numbers are the same everywhere: the
// column order of PriceList.txt, the entries of the table's columnIndex, the
// sort keys and the columns of the product dialogs.
enum ProductColumn : int32_t {
  kPartNumberColumn = 0,
  kDescriptionColumn = 1,
  kPriceColumn = 2,
  kWeightColumn = 3,
  kCategoryColumn = 4,
  kSalesDescriptionColumn = 5,
  kLinkColumn = 6,
  kPictureColumn = 7,
  kPictureFlagColumn = 8,
  kLinkFlagColumn = 9,
  kPublishStateColumn = 10,
  kFeatureFlagColumn = 11,
  kDownloadPathColumn = 12,
  kDownloadPasswordColumn = 13,
  kDownloadFlagColumn = 14,
  kUploadFlagColumn = 15,
  kTaxFlagColumn = 16,
};

// The number of product columns (0 to 16).
inline constexpr int32_t kProductColumnCount = 17;

// Returns the name under which `column` is known in files and dialogs, from
// "Part Number" (0) to "Tax Flag" (16); "" for a number outside 0 to 16.
std::string_view productColumnName(int32_t column);

// Returns true for the columns that hold an integer flag (8 to 11 and 14 to
// 16); false for the text columns and numbers outside 0 to 16.
bool isFlagColumn(int32_t column);

}  // namespace quorvex

#endif  // QUORVEX_PRODUCTS_PRODUCT_COLUMN_H_
