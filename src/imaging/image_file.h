#ifndef QUORVEX_IMAGING_IMAGE_FILE_H_
#define QUORVEX_IMAGING_IMAGE_FILE_H_

#include <filesystem>
#include <memory>
#include <string>

#include "imaging/image_format.h"
#include "imaging/image_impl.h"

namespace quorvex {

// Returns a new, empty pixel store with the codec of `format` and the file
// name `name`; nullptr for XPM (no codec) and kNone.
std::unique_ptr<CImageImpl> makeImageImpl(ImageFormat format, const std::string& name);

// A picture handle: a pixel store whose codec can be exchanged, so that a
// picture read in one format can be written in another. Callers treat a width
// or height below 1 as a picture that did not load.
class CImageFile {
 public:
  CImageFile();
  ~CImageFile();
  CImageFile(const CImageFile&) = delete;
  CImageFile& operator=(const CImageFile&) = delete;

  // The format of the current pixel store; kNone before there is one.
  ImageFormat format() const { return format_; }
  // The file last read or written.
  const std::string& fileName() const { return fileName_; }
  // Options for reduced-size JPEG decoding, handed to every later load.
  void setPreview(const PreviewOptions& preview) { preview_ = preview; }

  // Replaces the pixel store by an empty one of `format` named `name`.
  // Returns false for XPM and kNone; the handle then has no store.
  bool makeImpl(const std::string& name, ImageFormat format);
  // Makes a zeroed picture (see CImageImpl::create), first making a BMP
  // store with an empty name when the handle has none.
  bool create(int width, int height, int bitsPerPixel, int colourType);
  // Reads the file `path` as `format`, reusing the store when it has that
  // format. The reader's verdict is not returned: a failed load leaves no
  // pixels (or the part of a picture read before the failure).
  void load(const std::filesystem::path& path, ImageFormat format);
  // Writes the picture to `path` as `format`. For another format than the
  // current one, the pixels, palette and transparent index move into a store
  // of the new format (when there is no codec for it, nothing changes and
  // the result is false). Returns false when there is no store or the codec
  // fails.
  [[nodiscard]] bool save(const std::filesystem::path& path, ImageFormat format);

  // The pixel store; nullptr before there is one.
  CImageImpl* impl() { return impl_.get(); }
  const CImageImpl* impl() const { return impl_.get(); }
  // Size of the picture; 0 without a store.
  int width() const { return impl_ ? impl_->width() : 0; }
  int height() const { return impl_ ? impl_->height() : 0; }

 private:
  ImageFormat format_ = ImageFormat::kNone;
  std::string fileName_;
  PreviewOptions preview_;
  std::unique_ptr<CImageImpl> impl_;
};

}  // namespace quorvex

#endif  // QUORVEX_IMAGING_IMAGE_FILE_H_
