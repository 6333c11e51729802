#include "products/row_sorter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>
#include <string>
#include <string_view>

#include "products/product_column.h"
#include "products/product_text.h"

namespace quorvex {

namespace {

// The leading decimal number of a price text; 0 when it has none.
double leadingNumber(std::string_view text) {
  text = text.substr(std::min(text.size(), text.find_first_not_of(" \t\n\v\f\r")));
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  (void)end;
  if (error != std::errc() || !std::isfinite(value)) return 0;
  return value;
}

template <class T>
int threeWay(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

// The values one key compares, taken from every row once before sorting, so
// that no comparison cleans or converts a text.
class KeyValues {
 public:
  KeyValues(const std::vector<CExtraItem>& rows, SortKey key)
      : rows_(rows), column_(key.column), sign_(key.descending ? -1 : 1) {
    if (column_ == kPartNumberColumn || column_ == kDescriptionColumn) {
      texts_.reserve(rows.size());
      for (const CExtraItem& row : rows) texts_.push_back(row.columnText(column_));
    } else if (column_ == kPriceColumn) {
      numbers_.reserve(rows.size());
      for (const CExtraItem& row : rows) numbers_.push_back(leadingNumber(row.price));
    }
  }

  // Negative when row a comes before row b, positive after, 0 for equal.
  int compare(size_t a, size_t b) const {
    const int result = compareAscending(a, b);
    return sign_ * ((result > 0) - (result < 0));
  }

 private:
  int compareAscending(size_t a, size_t b) const {
    switch (column_) {
      case kPartNumberColumn:
      case kDescriptionColumn:
        return texts_[a].compare(texts_[b]);
      case kPriceColumn:
        return threeWay(numbers_[a], numbers_[b]);
      case kWeightColumn:
        return rows_[a].weight.compare(rows_[b].weight);
      case kSalesDescriptionColumn:
        return rows_[a].salesDescription.compare(rows_[b].salesDescription);
      case kPictureFlagColumn:
      case kLinkFlagColumn:
      case kFeatureFlagColumn:
      case kDownloadFlagColumn:
      case kUploadFlagColumn:
        return threeWay(rows_[a].flag(column_), rows_[b].flag(column_));
      default:
        return 0;
    }
  }

  const std::vector<CExtraItem>& rows_;
  int32_t column_;
  int sign_;
  std::vector<std::string> texts_;
  std::vector<double> numbers_;
};

}  // namespace

void sortProductRows(std::vector<CExtraItem>* rows, const std::vector<SortKey>& keys) {
  if (keys.empty() || rows->size() < 2) return;
  std::vector<KeyValues> values;
  values.reserve(keys.size());
  for (const SortKey& key : keys) values.emplace_back(*rows, key);

  std::vector<size_t> order(rows->size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    for (const KeyValues& key : values) {
      if (int result = key.compare(a, b)) return result < 0;
    }
    return false;
  });

  std::vector<CExtraItem> sorted;
  sorted.reserve(rows->size());
  for (size_t index : order) sorted.push_back(std::move((*rows)[index]));
  rows->swap(sorted);
}

}  // namespace quorvex
