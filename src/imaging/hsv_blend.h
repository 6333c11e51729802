#ifndef QUORVEX_IMAGING_HSV_BLEND_H_
#define QUORVEX_IMAGING_HSV_BLEND_H_

#include "imaging/rgb.h"

namespace quorvex {

// Returns `pixel` blended with the text colour `colour` at glyph coverage
// `coverage` (0 to 64), in HSV: the value moves towards the colour's by the
// coverage share a; for a colour without hue (black, white, grey) the
// saturation shrinks by a and the pixel keeps its hue; otherwise the
// saturation moves towards the colour's and the hue becomes the colour's when
// a exceeds one half or the pixel has no hue. Channels are brought within
// [ε, 1 - ε] on the way in and truncated on the way out, so full white text
// gives 254.
Rgb blendHsv(Rgb pixel, Rgb colour, int coverage);

}  // namespace quorvex

#endif  // QUORVEX_IMAGING_HSV_BLEND_H_
