#ifndef QUORVEX_IMAGING_IMAGE_IMPL_H_
#define QUORVEX_IMAGING_IMAGE_IMPL_H_

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "imaging/rgb.h"

namespace quorvex {

// A picture larger than this many pixels counts as not loadable: no reader
// allocates more, whatever a file's header claims.
constexpr int64_t kMaxPicturePixels = 100'000'000;

// Options for a fast, reduced-size decoding of JPEG files (previews).
struct PreviewOptions {
  bool decode = false;
  int width = 0;
  int height = 0;
};

// The pixel store of a picture, with one subclass per file format that adds
// the format's reader and writer.
//
// Rows are stored bottom-up: row y = 0 is the bottom row. Each row takes
// stride() = ((bitsPerPixel × width + 31) / 32) × 4 bytes. A 24-bit pixel is
// blue, green, red; a pixel of 8 bits or fewer is a palette index (the
// leftmost pixel of a byte in its most significant bits). New pixels are zero.
//
// Pixel operations take x from the left and y from the bottom and change
// nothing (returning false or -1) outside the picture.
class CImageImpl {
 public:
  explicit CImageImpl(std::string fileName);
  virtual ~CImageImpl();
  CImageImpl(const CImageImpl&) = delete;
  CImageImpl& operator=(const CImageImpl&) = delete;

  // Reads the picture file `path` into this store, releasing what it held.
  // Returns false when the file cannot be read; a file that fails part-way
  // keeps the size and the rows read so far.
  [[nodiscard]] virtual bool read(const std::filesystem::path& path) = 0;
  // Writes the picture to `path`; returns false on failure.
  [[nodiscard]] virtual bool write(const std::filesystem::path& path) const = 0;

  // Releases the old pixels and palette and makes a zeroed picture. The colour
  // type is `colourType` when it is 0 or more, else 0 for 8 bits per pixel or
  // fewer and 2 for deeper pictures. Returns false, leaving an empty picture,
  // when the size is below 1 × 1 or above kMaxPicturePixels or the depth is
  // not 1, 2, 4, 8, 16, 24 or 32.
  bool create(int width, int height, int bitsPerPixel, int colourType);
  // Releases pixels and palette: width and height become 0.
  void clear();
  // Takes over `from`'s pixels, size, depth, colour type, transparent index
  // and palette; `from` is left empty.
  void takePixelStore(CImageImpl& from);

  // True when the store holds pixels.
  bool isValid() const { return bits_ != nullptr; }
  int width() const { return width_; }
  int height() const { return height_; }
  int bitsPerPixel() const { return bitsPerPixel_; }
  // PNG colour-type numbering: 0 grey, 2 truecolour, 3 paletted, 4 grey with
  // alpha, 6 truecolour with alpha. Bit 0 set: pixels are palette indices.
  int colourType() const { return colourType_; }
  int stride() const { return stride_; }
  // The palette index shown as transparent, -1 for none.
  int transparentIndex() const { return transparentIndex_; }
  void setTransparentIndex(int index) { transparentIndex_ = index; }

  // The bytes of row y (0 = bottom); y must be inside the picture.
  uint8_t* row(int y) { return bits_.get() + static_cast<size_t>(y) * stride_; }
  const uint8_t* row(int y) const { return bits_.get() + static_cast<size_t>(y) * stride_; }

  bool hasPalette() const { return !palette_.empty(); }
  const Palette& palette() const { return palette_; }
  // Replaces the palette (cut to 256 entries) and sets colour-type bits 0
  // and 1. An empty palette removes it.
  void setPalette(Palette palette);
  // True and entry i's colour when the palette has entry i.
  bool getPaletteEntry(int i, Rgb& colour) const;

  bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  // The palette index at (x, y) for pictures of 8 bits per pixel or fewer;
  // -1 for deeper pictures and outside.
  int getIndex(int x, int y) const;
  // Stores index i at (x, y); false for deeper pictures and outside.
  bool setIndex(int x, int y, int i);
  // The colour at (x, y): the palette entry of its index for paletted
  // pictures of 8 bits or fewer (black for an index beyond the palette), else
  // the pixel's blue, green and red bytes (16-bit pixels as 5-5-5).
  bool getRGB(int x, int y, Rgb& colour) const;
  // Writes the colour at (x, y): the nearest palette entry's index for a
  // paletted colour type (false without a palette), else blue, green, red.
  bool setRGB(int x, int y, Rgb colour);

  // The quality level (0 to 100) the JPEG writer uses; 90 at first.
  int jpegQuality() const { return jpegQuality_; }
  void setJpegQuality(int quality) { jpegQuality_ = quality; }
  const PreviewOptions& preview() const { return preview_; }
  void setPreview(const PreviewOptions& preview) { preview_ = preview; }
  // The name given when the store was made.
  const std::string& fileName() const { return fileName_; }

 private:
  struct FreeDeleter {
    void operator()(uint8_t* p) const { std::free(p); }
  };

  std::unique_ptr<uint8_t, FreeDeleter> bits_;
  int width_ = 0;
  int height_ = 0;
  int bitsPerPixel_ = 0;
  int colourType_ = 0;
  int stride_ = 0;
  int transparentIndex_ = -1;
  Palette palette_;
  int jpegQuality_ = 90;
  PreviewOptions preview_;
  std::string fileName_;
};

}  // namespace quorvex

#endif  // QUORVEX_IMAGING_IMAGE_IMPL_H_
