#ifndef QUORVEX_IMAGING_BMP_IMAGE_H_
#define QUORVEX_IMAGING_BMP_IMAGE_H_

#include <string>
#include <string_view>

#include "imaging/image_impl.h"

namespace quorvex {

// A picture held in the Windows bitmap format.
class CImageImplBMP : public CImageImpl {
 public:
  using CImageImpl::CImageImpl;

  [[nodiscard]] bool read(const std::filesystem::path& path) override;
  bool write(const std::filesystem::path& path) const override;
};

// Reads the bitmap file `bytes` into `image`, releasing what it held. A file
// without the "BM" file header is read as a bare bitmap; the 12-byte OS/2
// header is understood; a negative height (rows stored from the top) is
// turned into bottom-up rows. Missing pixel bytes stay zero. Returns false
// (an empty picture) when the headers are short or make no sense.
[[nodiscard]] bool decodeBmp(std::string_view bytes, CImageImpl& image);

// Returns the bitmap file of `image`: a 40-byte header, the palette (or, for
// 8 bits or fewer without one, the 16 standard VGA colours repeated) as the
// colour table, then the rows as held. Empty when the image has no pixels.
std::string encodeBmp(const CImageImpl& image);

}  // namespace quorvex

#endif  // QUORVEX_IMAGING_BMP_IMAGE_H_
