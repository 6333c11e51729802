#include "imaging/gif_transparency.h"

#include <limits>

namespace quorvex {

namespace {

// The entry other than `excluded` nearest to `colour`; -1 when there is none.
int nearestOtherEntry(const Palette& palette, int excluded, Rgb colour) {
  int best = -1;
  int bestDistance = std::numeric_limits<int>::max();
  for (int i = 0; i < static_cast<int>(palette.size()); ++i) {
    if (i == excluded) continue;
    int dr = palette[i].red - colour.red;
    int dg = palette[i].green - colour.green;
    int db = palette[i].blue - colour.blue;
    // Squared distances order the entries as the distances themselves do.
    int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace

void applyTransparency(CImageImpl& image, Rgb transparentColour, const TransparencyMask& mask) {
  int transparent = nearestPaletteIndex(image.palette(), transparentColour);
  if (transparent < 0) return;
  image.setTransparentIndex(transparent);
  int alternative = nearestOtherEntry(image.palette(), transparent, transparentColour);
  if (alternative < 0) {
    Palette palette = image.palette();
    palette.push_back(palette[transparent]);
    alternative = static_cast<int>(palette.size()) - 1;
    image.setPalette(std::move(palette));
  }
  for (int y = 0; y < image.height(); ++y) {
    uint8_t* indices = image.row(y);
    const uint8_t* flags = mask.row(y);
    for (int x = 0; x < image.width(); ++x) {
      if (flags[x]) {
        indices[x] = static_cast<uint8_t>(transparent);
      } else if (indices[x] == transparent) {
        indices[x] = static_cast<uint8_t>(alternative);
      }
    }
  }
}

}  // namespace quorvex
