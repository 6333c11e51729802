#ifndef QUORVEX_PRODUCTS_ROW_SORTER_H_
#define QUORVEX_PRODUCTS_ROW_SORTER_H_

#include <cstdint>
#include <vector>

#include "products/extra_item.h"

namespace quorvex {

// One key of the product order: a column number and its direction.
struct SortKey {
  int32_t column = 0;
  bool descending = false;
};

// Sorts `rows` in place by `keys`: by the first key, rows that compare equal
// on it by the second, and so on. Rows equal on every key keep no defined
// order. Per key: 0 compares cleaned part numbers, 1 cleaned descriptions, 3
// weights and 5 sales descriptions, all byte for byte; 2 compares prices as
// decimal numbers (the leading numeric part of the text, 0 without one); 8,
// 9, 11, 14 and 15 compare the flags pictureFlag, linkFlag, featureFlag,
// downloadFlag and uploadFlag. Any other column counts all rows equal. A
// descending key reverses its order.
void sortProductRows(std::vector<CExtraItem>* rows, const std::vector<SortKey>& keys);

}  // namespace quorvex

#endif  // QUORVEX_PRODUCTS_ROW_SORTER_H_
