#ifndef QUORVEX_IMAGING_GIF_INTERLACE_H_
#define QUORVEX_IMAGING_GIF_INTERLACE_H_

#include <vector>

namespace quorvex {

// The picture rows (counted from the top) in the order an interlaced GIF
// stores them: rows 0, 8, 16, ..., then 4, 12, 20, ..., then 2, 6, 10, ...,
// then 1, 3, 5, ...
inline std::vector<int> interlacedRowOrder(int height) {
  static constexpr int kStart[] = {0, 4, 2, 1};
  static constexpr int kStep[] = {8, 8, 4, 2};
  std::vector<int> rows;
  rows.reserve(height > 0 ? height : 0);
  for (int pass = 0; pass < 4; ++pass) {
    for (int row = kStart[pass]; row < height; row += kStep[pass]) rows.push_back(row);
  }
  return rows;
}

}  // namespace quorvex

#endif  // QUORVEX_IMAGING_GIF_INTERLACE_H_
