#ifndef QUORVEX_IMAGING_TRANSPARENCY_MASK_H_
#define QUORVEX_IMAGING_TRANSPARENCY_MASK_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "imaging/rgb.h"

namespace quorvex {

// One flag per pixel of a picture, x from the left and y from the bottom:
// true where the pixel is transparent. All flags start false.
class TransparencyMask {
 public:
  TransparencyMask(int width, int height)
      : width_(width), flags_(static_cast<size_t>(width) * height, 0) {}

  bool at(int x, int y) const { return flags_[index(x, y)] != 0; }
  void set(int x, int y, bool transparent) { flags_[index(x, y)] = transparent ? 1 : 0; }
  // The flags of row y, one byte (0 or 1) per pixel.
  uint8_t* row(int y) { return flags_.data() + index(0, y); }
  const uint8_t* row(int y) const { return flags_.data() + index(0, y); }

 private:
  size_t index(int x, int y) const { return static_cast<size_t>(y) * width_ + x; }

  int width_;
  std::vector<uint8_t> flags_;
};

// The colour key of a picture read from a file with a transparent palette
// index: pixels of that index are transparent and show as `colour`.
struct TransparentKey {
  int index = -1;
  Rgb colour;
};

}  // namespace quorvex

#endif  // QUORVEX_IMAGING_TRANSPARENCY_MASK_H_
