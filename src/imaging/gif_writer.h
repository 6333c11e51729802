#ifndef QUORVEX_IMAGING_GIF_WRITER_H_
#define QUORVEX_IMAGING_GIF_WRITER_H_

#include <filesystem>
#include <optional>
#include <string>

#include "imaging/image_impl.h"

namespace quorvex {

// Returns the GIF89a file of `image`, which must be an 8-bit picture with a
// palette of at most 65535 × 65535 pixels (nullopt otherwise or when giflib
// fails): a logical screen of the picture's size with colour resolution 8,
// background index 255 and a 256-entry global colour map (the palette, then
// black); a graphic control block naming the transparent index when there is
// one; the comment "Created by Quorvex"; one interlaced frame at 0, 0.
std::optional<std::string> encodeGif(const CImageImpl& image);

// Writes encodeGif(image) to `path`, replacing the file; false on failure.
[[nodiscard]] bool writeGif(const CImageImpl& image, const std::filesystem::path& path);

}  // namespace quorvex

#endif  // QUORVEX_IMAGING_GIF_WRITER_H_
