#ifndef QUORVEX_IMAGING_PIXEL_COPY_H_
#define QUORVEX_IMAGING_PIXEL_COPY_H_

#include "imaging/image_impl.h"
#include "imaging/transparency_mask.h"

namespace quorvex {

// Copies every pixel of `source` into the 24-bit picture `target` of the same
// size, each as source.getRGB gives it. With `mask` (of the same size), also
// flags the pixels whose index has `key.index` as its low byte. Rows of
// 24-bit sources are copied whole and 8-bit paletted ones through a table.
void copyPixels(const CImageImpl& source, CImageImpl& target, const TransparentKey& key,
                TransparencyMask* mask);

}  // namespace quorvex

#endif  // QUORVEX_IMAGING_PIXEL_COPY_H_
