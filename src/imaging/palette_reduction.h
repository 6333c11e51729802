#ifndef QUORVEX_IMAGING_PALETTE_REDUCTION_H_
#define QUORVEX_IMAGING_PALETTE_REDUCTION_H_

#include <memory>
#include <vector>

#include "imaging/image_file.h"
#include "imaging/image_impl.h"

namespace quorvex {

// The listing of a picture's colours stops at this many.
constexpr int kMaxListedColours = 1006;

// Returns the distinct colours of the 24-bit `picture` in the order first
// met, scanning x from the left and, within each column, y from the bottom;
// at most kMaxListedColours.
std::vector<Rgb> listColours(const CImageImpl& picture);

// Returns an 8-bit GIF picture of the 24-bit `picture`'s size and name whose
// palette has at most 256 colours: exactly the picture's colours, in the
// order listColours gives them, when it has 256 or fewer; else 256 colours
// learnt by NeuQuant, or for pictures of fewer than NeuQuant::kMinPixels
// pixels, made by box splitting. Every pixel gets the index of its colour or
// the one the quantiser chooses. The picture has no transparent index.
std::unique_ptr<CImageFile> reduceToPalette(const CImageImpl& picture);

}  // namespace quorvex

#endif  // QUORVEX_IMAGING_PALETTE_REDUCTION_H_
