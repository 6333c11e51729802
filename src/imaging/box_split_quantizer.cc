#include "imaging/box_split_quantizer.h"

#include <algorithm>

namespace quorvex {

namespace {

std::array<double, 3> channels(Rgb colour) {
  return {static_cast<double>(colour.red), static_cast<double>(colour.green),
          static_cast<double>(colour.blue)};
}

}  // namespace

BoxSplitQuantizer::BoxSplitQuantizer(const std::vector<Rgb>& colours) {
  Box& root = boxes_[1];
  root.min = root.max = channels(colours.front());
  for (const Rgb& colour : colours) {
    std::array<double, 3> values = channels(colour);
    for (int c = 0; c < 3; ++c) {
      root.min[c] = std::min(root.min[c], values[c]);
      root.max[c] = std::max(root.max[c], values[c]);
    }
  }
  for (int n = 1; n < kLeaves; ++n) {
    Box& box = boxes_[n];
    double red = box.max[0] - box.min[0];
    double green = box.max[1] - box.min[1];
    double blue = box.max[2] - box.min[2];
    box.channel = red >= green && red >= blue ? 0 : (green >= blue ? 1 : 2);
    box.split = (box.min[box.channel] + box.max[box.channel]) / 2;
    Box& lower = boxes_[2 * n];
    Box& upper = boxes_[2 * n + 1];
    lower.min = upper.min = box.min;
    lower.max = upper.max = box.max;
    lower.max[box.channel] = box.split;
    upper.min[box.channel] = box.split;
  }
}

Palette BoxSplitQuantizer::palette() const {
  Palette palette;
  for (int leaf = kLeaves; leaf < 2 * kLeaves; ++leaf) {
    const Box& box = boxes_[leaf];
    std::array<uint8_t, 3> centre;
    for (int c = 0; c < 3; ++c) {
      centre[c] = static_cast<uint8_t>(std::clamp((box.min[c] + box.max[c]) / 2, 0.0, 255.0));
    }
    palette.push_back(Rgb{centre[0], centre[1], centre[2]});
  }
  return palette;
}

int BoxSplitQuantizer::indexOf(Rgb colour) const {
  std::array<double, 3> values = channels(colour);
  int n = 1;
  while (n < kLeaves) {
    const Box& box = boxes_[n];
    n = 2 * n + (values[box.channel] > box.split ? 1 : 0);
  }
  return n - kLeaves;
}

}  // namespace quorvex
