#ifndef QUORVEX_IMAGING_GIF_TRANSPARENCY_H_
#define QUORVEX_IMAGING_GIF_TRANSPARENCY_H_

#include "imaging/image_impl.h"
#include "imaging/transparency_mask.h"

namespace quorvex {

// Makes the paletted 8-bit `image` transparent where `mask` is set: the
// palette entry t nearest to `transparentColour` becomes the transparent
// index and every flagged pixel gets it. Opaque pixels whose index is t move
// to the other entry nearest to that colour (Euclidean distance, the lower
// index on ties), so that no opaque pixel shows as transparent; when the
// palette has no other entry, a copy of entry t is added for them.
void applyTransparency(CImageImpl& image, Rgb transparentColour, const TransparencyMask& mask);

}  // namespace quorvex

#endif  // QUORVEX_IMAGING_GIF_TRANSPARENCY_H_
