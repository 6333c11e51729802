#ifndef QUORVEX_IMAGING_RESAMPLER_H_
#define QUORVEX_IMAGING_RESAMPLER_H_

#include "imaging/image_impl.h"
#include "imaging/transparency_mask.h"

namespace quorvex {

// Fills every pixel of the 24-bit picture `target` from `source` by the
// canvas's own interpolation: each target pixel maps to the source point
// s = t / T × S on each axis (kept within ε and S - ε), and takes the
// inverse-distance-weighted colour of the source pixels around that point,
// truncated: four neighbours when both target sides are at least 2, the two
// of the source's first column when the target is 1 wide, the two of its
// bottom row when it is 1 high. Neighbours beyond the source's last column or
// row repeat the edge pixel and count as having index 255.
//
// With `mask` (target-sized) and key.index not -1, neighbours whose index has
// key.index as low byte are transparent: when they carry 0.25 or more of the
// weight the pixel becomes key.colour and is flagged; otherwise only the
// opaque neighbours contribute (without renormalising, so the colour darkens
// by the transparent share).
void resample(const CImageImpl& source, CImageImpl& target, const TransparentKey& key,
              TransparencyMask* mask);

}  // namespace quorvex

#endif  // QUORVEX_IMAGING_RESAMPLER_H_
