#ifndef QUORVEX_IMAGING_GIF_IMAGE_H_
#define QUORVEX_IMAGING_GIF_IMAGE_H_

#include <string_view>

#include "imaging/image_impl.h"

namespace quorvex {

// A picture held in the GIF format.
class CImageImplGIF : public CImageImpl {
 public:
  using CImageImpl::CImageImpl;

  [[nodiscard]] bool read(const std::filesystem::path& path) override;
  // Writes an interlaced GIF89a file (see gif_writer.h).
  [[nodiscard]] bool write(const std::filesystem::path& path) const override;
};

// Reads the GIF file `bytes` into `image` as an 8-bit picture of the logical
// screen's size with a 256-entry palette (the first frame's local colour map,
// else the global one, padded with white) and the first frame's pixels placed
// at the frame's position. The transparent index comes from the first graphic
// control block before the first frame when its transparency flag is set.
// Later frames are decoded but not kept. Returns false, leaving an empty
// picture, when giflib cannot read the whole file or there is no colour map.
[[nodiscard]] bool decodeGif(std::string_view bytes, CImageImpl& image);

}  // namespace quorvex

#endif  // QUORVEX_IMAGING_GIF_IMAGE_H_
