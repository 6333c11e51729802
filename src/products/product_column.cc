#include "products/product_column.h"

#include <array>

namespace quorvex {

namespace {

constexpr std::array<std::string_view, kProductColumnCount> kColumnNames = {
    "Part Number",   "Description",       "Price",         "Weight",
    "Category",      "Sales Description", "Link",          "Picture",
    "Picture Flag",  "Link Flag",         "Publish State", "Feature Flag",
    "Download Path", "Download Password", "Download Flag", "Upload Flag",
    "Tax Flag"};

}  // namespace

std::string_view productColumnName(int32_t column) {
  if (column < 0 || column >= kProductColumnCount) return "";
  return kColumnNames[column];
}

bool isFlagColumn(int32_t column) {
  return (column >= kPictureFlagColumn && column <= kFeatureFlagColumn) ||
         (column >= kDownloadFlagColumn && column <= kTaxFlagColumn);
}

}  // namespace quorvex
