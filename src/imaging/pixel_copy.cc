#include "imaging/pixel_copy.h"

#include <array>
#include <cstring>

namespace quorvex {

namespace {

void copyRowThroughPalette(const uint8_t* indices, int width, const std::array<Rgb, 256>& table,
                           uint8_t* out) {
  for (int x = 0; x < width; ++x, out += 3) {
    const Rgb& colour = table[indices[x]];
    out[0] = colour.blue;
    out[1] = colour.green;
    out[2] = colour.red;
  }
}

void copyRowPixelByPixel(const CImageImpl& source, int y, CImageImpl& target) {
  Rgb colour;
  for (int x = 0; x < source.width(); ++x) {
    source.getRGB(x, y, colour);
    target.setRGB(x, y, colour);
  }
}

}  // namespace

void copyPixels(const CImageImpl& source, CImageImpl& target, const TransparentKey& key,
                TransparencyMask* mask) {
  int width = source.width();
  bool paletted8 = source.bitsPerPixel() == 8 && source.hasPalette();
  std::array<Rgb, 256> table{};
  if (paletted8) {
    for (size_t i = 0; i < source.palette().size(); ++i) table[i] = source.palette()[i];
  }
  for (int y = 0; y < source.height(); ++y) {
    if (source.bitsPerPixel() == 24) {
      std::memcpy(target.row(y), source.row(y), static_cast<size_t>(width) * 3);
    } else if (paletted8) {
      copyRowThroughPalette(source.row(y), width, table, target.row(y));
    } else {
      copyRowPixelByPixel(source, y, target);
    }
    if (mask == nullptr) continue;
    uint8_t* flags = mask->row(y);
    for (int x = 0; x < width; ++x) {
      flags[x] = (source.getIndex(x, y) & 0xFF) == key.index ? 1 : 0;
    }
  }
}

}  // namespace quorvex
