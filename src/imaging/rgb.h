#ifndef QUORVEX_IMAGING_RGB_H_
#define QUORVEX_IMAGING_RGB_H_

#include <cstdint>
#include <vector>

namespace quorvex {

// One colour as pictures hold it: red, green and blue bytes.
struct Rgb {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;

  bool operator==(const Rgb&) const = default;
};

// The colour of a colour value 0x00BBGGRR (red in the low byte).
inline Rgb rgbFromColorValue(int32_t value) {
  uint32_t bits = static_cast<uint32_t>(value);
  return Rgb{static_cast<uint8_t>(bits), static_cast<uint8_t>(bits >> 8),
             static_cast<uint8_t>(bits >> 16)};
}

// A picture's colour table: at most 256 entries, index order.
using Palette = std::vector<Rgb>;

// Returns the entry of `palette` nearest to `colour` by the squared distance
// over red, green and blue, the lower index on ties (so an entry equal to the
// colour always wins); -1 for an empty palette.
int nearestPaletteIndex(const Palette& palette, Rgb colour);

}  // namespace quorvex

#endif  // QUORVEX_IMAGING_RGB_H_
