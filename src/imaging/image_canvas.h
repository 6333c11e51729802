#ifndef QUORVEX_IMAGING_IMAGE_CANVAS_H_
#define QUORVEX_IMAGING_IMAGE_CANVAS_H_

#include <filesystem>
#include <memory>
#include <optional>

#include "imaging/image_file.h"
#include "imaging/text_drawer.h"
#include "imaging/transparency_mask.h"

namespace quorvex {

// The height of a picture of sourceWidth × sourceHeight reduced to `width`
// pixels wide with its proportions: truncate(width / sourceWidth ×
// sourceHeight), at least 1 (and at most kMaxPicturePixels).
int proportionalHeight(int width, int sourceWidth, int sourceHeight);

// The working copy through which every picture is converted, resized, given
// button text and saved for the web. It loads a picture of any supported
// format into a 24-bit copy and remembers which pixels were transparent (the
// source's transparent palette index); render() rebuilds the copy at the
// wanted size with the canvas's own interpolation and draws the text; save()
// writes JPEG, GIF (reduced to a palette, keeping the transparency) or BMP.
//
// A canvas whose picture did not load (unknown extension, unreadable file)
// has width and height 0; render() then does nothing and save() fails.
// A canvas belongs to one thread.
class CImageCanvas {
 public:
  // Loads the picture at `path` in the format its extension names
  // (formatFromExtension); `preview` asks for reduced-size JPEG decoding.
  explicit CImageCanvas(const std::filesystem::path& path, const PreviewOptions& preview = {});
  CImageCanvas(const CImageCanvas&) = delete;
  CImageCanvas& operator=(const CImageCanvas&) = delete;

  // The loaded size until setSize(); then the size render() makes.
  int width() const { return width_; }
  int height() const { return height_; }
  void setSize(int width, int height);
  // The JPEG quality level save() uses; 90 after loading.
  void setJpegQuality(int quality) { jpegQuality_ = quality; }
  // The text render() draws.
  void setText(CanvasText text) { text_ = std::move(text); }

  // Rebuilds the working copy from the source at width() × height() (a plain
  // copy at the source's size, else resampler.h) and draws the text. Earlier
  // drawing is lost. Does nothing when the picture did not load or the size
  // is unusable (the working copy is then empty).
  void render();
  // Writes the working copy to `path` in the format its extension names:
  // JPEG, GIF or BMP. Returns false, writing nothing, for PNG and unknown
  // extensions and for an empty working copy.
  [[nodiscard]] bool save(const std::filesystem::path& path) const;

  // The working copy (24-bit); nullptr when the picture did not load.
  const CImageImpl* working() const;
  // True when the working copy's pixel (x, y) is transparent.
  bool isTransparent(int x, int y) const;
  // The source's transparent palette index (-1 for none) and its colour.
  const TransparentKey& transparentKey() const { return key_; }

 private:
  // Rebuilds the mask for the working copy's size; none without a key.
  TransparencyMask* resetMask();
  [[nodiscard]] bool saveTrueColour(const std::filesystem::path& path, ImageFormat format) const;
  bool saveGif(const std::filesystem::path& path) const;

  std::optional<TransparencyMask> mask_;
  int jpegQuality_ = 0;
  TransparentKey key_;
  std::unique_ptr<CImageFile> source_;
  std::unique_ptr<CImageFile> working_;
  int width_ = 0;
  int height_ = 0;
  CanvasText text_;
  // True while the working copy holds the source's own pixels.
  bool sourceLent_ = false;
};

}  // namespace quorvex

#endif  // QUORVEX_IMAGING_IMAGE_CANVAS_H_
