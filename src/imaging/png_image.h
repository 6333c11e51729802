#ifndef QUORVEX_IMAGING_PNG_IMAGE_H_
#define QUORVEX_IMAGING_PNG_IMAGE_H_

#include <optional>
#include <string>
#include <string_view>

#include "imaging/image_impl.h"

namespace quorvex {

// A picture held in the PNG format.
class CImageImplPNG : public CImageImpl {
 public:
  using CImageImpl::CImageImpl;

  [[nodiscard]] bool read(const std::filesystem::path& path) override;
  // Writes encodePng(*this).
  [[nodiscard]] bool write(const std::filesystem::path& path) const override;
};

// The colour that transparent parts of a PNG picture are composited over.
constexpr Rgb kPngBackground{31, 127, 255};

// Reads the PNG file `bytes` into `image`, releasing what it held.
// Transparency is composited over kPngBackground (the values taken in the
// file's own sample depth) and 16-bit samples are cut to 8 bits. Paletted
// files keep their indices and stored palette (transparency entries are not
// applied); every other file becomes 24-bit blue, green, red, grey ones
// included. The colour type is the file's. Interlaced files are combined.
// Returns false when the codec gives up; rows it decoded before that are kept.
[[nodiscard]] bool decodePng(std::string_view bytes, CImageImpl& image);

// Returns the PNG file of `image`: truecolour for 24-bit pictures, paletted
// (with the transparent index marked transparent) for paletted pictures of 8
// bits or fewer; nullopt for other pictures or when the codec fails.
std::optional<std::string> encodePng(const CImageImpl& image);

}  // namespace quorvex

#endif  // QUORVEX_IMAGING_PNG_IMAGE_H_
