#include "imaging/image_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "imaging/gif_transparency.h"
#include "imaging/palette_reduction.h"
#include "imaging/pixel_copy.h"
#include "imaging/resampler.h"

namespace quorvex {

namespace {

bool hasPixels(const CImageFile* image) {
  return image != nullptr && image->impl() != nullptr && image->impl()->isValid();
}

}  // namespace

int proportionalHeight(int width, int sourceWidth, int sourceHeight) {
  double height = std::trunc(static_cast<double>(width) / sourceWidth * sourceHeight);
  return static_cast<int>(std::clamp(height, 1.0, static_cast<double>(kMaxPicturePixels)));
}

CImageCanvas::CImageCanvas(const std::filesystem::path& path, const PreviewOptions& preview) {
  ImageFormat format = formatFromExtension(path.string());
  if (format == ImageFormat::kNone) return;
  source_ = std::make_unique<CImageFile>();
  source_->setPreview(preview);
  source_->load(path, format);
  const CImageImpl& source = *source_->impl();
  width_ = source.width();
  height_ = source.height();
  jpegQuality_ = 90;
  key_.index = source.transparentIndex();
  if (key_.index != -1) source.getPaletteEntry(key_.index, key_.colour);
  working_ = std::make_unique<CImageFile>();
  working_->makeImpl(source.fileName(), format);
  if (source.bitsPerPixel() == 24 && (source.colourType() & 1) == 0 && key_.index == -1) {
    // The copy would hold the very same bytes: lend the source's pixels to
    // the working copy until render() needs both (saves copying a photo).
    working_->impl()->takePixelStore(*source_->impl());
    sourceLent_ = true;
    return;
  }
  if (!working_->create(width_, height_, 24, 0)) return;
  copyPixels(source, *working_->impl(), key_, resetMask());
}

void CImageCanvas::setSize(int width, int height) {
  width_ = width;
  height_ = height;
}

TransparencyMask* CImageCanvas::resetMask() {
  mask_.reset();
  if (key_.index == -1 || !hasPixels(working_.get())) return nullptr;
  mask_.emplace(working_->width(), working_->height());
  return &*mask_;
}

void CImageCanvas::render() {
  if (sourceLent_) {
    source_->impl()->takePixelStore(*working_->impl());
    sourceLent_ = false;
  }
  if (!hasPixels(source_.get()) || working_ == nullptr) return;
  const CImageImpl& source = *source_->impl();
  working_->makeImpl(source.fileName(), source_->format());
  working_->create(width_, height_, 24, 0);
  TransparencyMask* mask = resetMask();
  if (!hasPixels(working_.get())) return;
  CImageImpl& working = *working_->impl();
  if (width_ == source.width() && height_ == source.height()) {
    copyPixels(source, working, key_, mask);
  } else {
    resample(source, working, key_, mask);
  }
  drawText(working, mask, text_);
}

bool CImageCanvas::save(const std::filesystem::path& path) const {
  if (!hasPixels(working_.get())) return false;
  ImageFormat format = formatFromExtension(path.string());
  switch (format) {
    case ImageFormat::kJpeg:
    case ImageFormat::kBmp:
      return saveTrueColour(path, format);
    case ImageFormat::kGif:
      return saveGif(path);
    default:
      return false;
  }
}

bool CImageCanvas::saveTrueColour(const std::filesystem::path& path, ImageFormat format) const {
  const CImageImpl& working = *working_->impl();
  CImageFile copy;
  copy.makeImpl(path.string(), format);
  if (!copy.create(working.width(), working.height(), 24, 0)) return false;
  for (int y = 0; y < working.height(); ++y) {
    std::memcpy(copy.impl()->row(y), working.row(y), static_cast<size_t>(working.width()) * 3);
  }
  copy.impl()->setJpegQuality(jpegQuality_);
  return copy.save(path, format);
}

bool CImageCanvas::saveGif(const std::filesystem::path& path) const {
  std::unique_ptr<CImageFile> reduced = reduceToPalette(*working_->impl());
  if (!hasPixels(reduced.get())) return false;
  if (mask_) applyTransparency(*reduced->impl(), key_.colour, *mask_);
  return reduced->save(path, ImageFormat::kGif);
}

const CImageImpl* CImageCanvas::working() const {
  return hasPixels(working_.get()) ? working_->impl() : nullptr;
}

bool CImageCanvas::isTransparent(int x, int y) const {
  const CImageImpl* picture = working();
  return mask_ && picture != nullptr && picture->inside(x, y) && mask_->at(x, y);
}

}  // namespace quorvex
