#include "imaging/rgb.h"

#include <cstddef>
#include <limits>

namespace quorvex {

int nearestPaletteIndex(const Palette& palette, Rgb colour) {
  int best = -1;
  int bestDistance = std::numeric_limits<int>::max();
  for (size_t i = 0; i < palette.size(); ++i) {
    int dr = palette[i].red - colour.red;
    int dg = palette[i].green - colour.green;
    int db = palette[i].blue - colour.blue;
    int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      bestDistance = distance;
      best = static_cast<int>(i);
      if (distance == 0) break;
    }
  }
  return best;
}

}  // namespace quorvex
