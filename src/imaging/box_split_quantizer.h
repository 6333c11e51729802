#ifndef QUORVEX_IMAGING_BOX_SPLIT_QUANTIZER_H_
#define QUORVEX_IMAGING_BOX_SPLIT_QUANTIZER_H_

#include <array>
#include <vector>

#include "imaging/rgb.h"

namespace quorvex {

// A 256-colour palette for small pictures, made by halving the colour box.
// The root box spans, per channel, the smallest to the largest value of the
// colours; every box is split down to depth 8 at the middle of its widest
// channel (red, then green, then blue on ties), which gives 256 leaf boxes
// numbered depth first, lower half first. A leaf's colour is its centre.
class BoxSplitQuantizer {
 public:
  // `colours` holds every colour of the picture; it is not empty.
  explicit BoxSplitQuantizer(const std::vector<Rgb>& colours);

  // The centres of the 256 leaves, in leaf order.
  Palette palette() const;
  // The leaf that `colour` falls into: at each box the upper half when the
  // colour's value on the split channel is above the split value.
  int indexOf(Rgb colour) const;

 private:
  static constexpr int kLeaves = 256;

  struct Box {
    std::array<double, 3> min{};
    std::array<double, 3> max{};
    int channel = 0;  // 0 red, 1 green, 2 blue
    double split = 0;
  };

  // Boxes in heap order: the root at 1, the halves of box n at 2n and 2n + 1,
  // the leaves at kLeaves to 2 × kLeaves - 1.
  std::array<Box, 2 * kLeaves> boxes_;
};

}  // namespace quorvex

#endif  // QUORVEX_IMAGING_BOX_SPLIT_QUANTIZER_H_
