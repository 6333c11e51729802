#include "imaging/image_file.h"

#include "imaging/bmp_image.h"
#include "imaging/gif_image.h"
#include "imaging/jpeg_image.h"
#include "imaging/png_image.h"

namespace quorvex {

std::unique_ptr<CImageImpl> makeImageImpl(ImageFormat format, const std::string& name) {
  switch (format) {
    case ImageFormat::kBmp:
      return std::make_unique<CImageImplBMP>(name);
    case ImageFormat::kJpeg:
      return std::make_unique<CImageImplJPEG>(name);
    case ImageFormat::kGif:
      return std::make_unique<CImageImplGIF>(name);
    case ImageFormat::kPng:
      return std::make_unique<CImageImplPNG>(name);
    case ImageFormat::kXpm:
    case ImageFormat::kNone:
      break;
  }
  return nullptr;
}

CImageFile::CImageFile() = default;

CImageFile::~CImageFile() = default;

bool CImageFile::makeImpl(const std::string& name, ImageFormat format) {
  impl_ = makeImageImpl(format, name);
  format_ = impl_ ? format : ImageFormat::kNone;
  return impl_ != nullptr;
}

bool CImageFile::create(int width, int height, int bitsPerPixel, int colourType) {
  if (!impl_) makeImpl("", ImageFormat::kBmp);
  return impl_->create(width, height, bitsPerPixel, colourType);
}

void CImageFile::load(const std::filesystem::path& path, ImageFormat format) {
  fileName_ = path.string();
  if (!impl_ || format != format_) {
    if (!makeImpl(fileName_, format)) return;
  }
  impl_->setPreview(preview_);
  // A picture that cannot be read leaves no pixels, which every caller checks.
  (void)impl_->read(path);
}

bool CImageFile::save(const std::filesystem::path& path, ImageFormat format) {
  if (!impl_) return false;
  fileName_ = path.string();
  if (format != format_) {
    std::unique_ptr<CImageImpl> converted = makeImageImpl(format, fileName_);
    if (!converted) return false;
    converted->takePixelStore(*impl_);
    impl_ = std::move(converted);
    format_ = format;
  }
  return impl_->write(path);
}

}  // namespace quorvex
