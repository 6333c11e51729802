#ifndef QUORVEX_IMAGING_JPEG_IMAGE_H_
#define QUORVEX_IMAGING_JPEG_IMAGE_H_

#include <optional>
#include <string>
#include <string_view>

#include "imaging/image_impl.h"

namespace quorvex {

// A picture held in the JPEG format.
class CImageImplJPEG : public CImageImpl {
 public:
  using CImageImpl::CImageImpl;

  // Reads with the store's preview options (see decodeJpeg).
  [[nodiscard]] bool read(const std::filesystem::path& path) override;
  // Writes encodeJpeg(*this, jpegQuality()).
  [[nodiscard]] bool write(const std::filesystem::path& path) const override;
};

// The scale denominator (1, 2, 4 or 8) of a preview decoding of a width ×
// height picture for a preview area of previewWidth × previewHeight: the
// largest scale at which either side still reaches 0.8 of the area's side.
// 1 when either preview side is 0.
int jpegPreviewScale(int width, int height, int previewWidth, int previewHeight);

// Reads the JPEG file `bytes` into `image`, releasing what it held: colour
// pictures as 24-bit blue, green, red; grey ones as 8-bit with the grey ramp
// as palette. Ordinary reading decodes at full size with the floating-point
// DCT and smooth upsampling; with `preview.decode` at jpegPreviewScale with
// the fast integer DCT and plain upsampling. Returns false when the codec
// gives up; rows it decoded before that are kept.
[[nodiscard]] bool decodeJpeg(std::string_view bytes, const PreviewOptions& preview,
                              CImageImpl& image);

// Returns the progressive JPEG file of a 24-bit `image` at `quality` (0 to
// 100, baseline-compatible tables, floating-point DCT, optimised Huffman
// tables); nullopt for other depths or when the codec fails.
std::optional<std::string> encodeJpeg(const CImageImpl& image, int quality);

}  // namespace quorvex

#endif  // QUORVEX_IMAGING_JPEG_IMAGE_H_
