#include "imaging/image_impl.h"

#include <utility>

namespace quorvex {

CImageImpl::CImageImpl(std::string fileName) : fileName_(std::move(fileName)) {}

CImageImpl::~CImageImpl() = default;

static bool isSupportedDepth(int bitsPerPixel) {
  switch (bitsPerPixel) {
    case 1:
    case 2:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
      return true;
    default:
      return false;
  }
}

bool CImageImpl::create(int width, int height, int bitsPerPixel, int colourType) {
  clear();
  if (width < 1 || height < 1 || !isSupportedDepth(bitsPerPixel)) return false;
  if (static_cast<int64_t>(width) * height > kMaxPicturePixels) return false;
  int64_t stride = (static_cast<int64_t>(bitsPerPixel) * width + 31) / 32 * 4;
  // calloc hands out fresh zero pages for large pictures without a memset.
  bits_.reset(static_cast<uint8_t*>(std::calloc(static_cast<size_t>(stride * height), 1)));
  if (!bits_) return false;
  width_ = width;
  height_ = height;
  bitsPerPixel_ = bitsPerPixel;
  stride_ = static_cast<int>(stride);
  colourType_ = colourType >= 0 ? colourType : (bitsPerPixel <= 8 ? 0 : 2);
  return true;
}

void CImageImpl::clear() {
  bits_.reset();
  width_ = height_ = bitsPerPixel_ = stride_ = colourType_ = 0;
  palette_.clear();
}

void CImageImpl::takePixelStore(CImageImpl& from) {
  bits_ = std::move(from.bits_);
  width_ = from.width_;
  height_ = from.height_;
  bitsPerPixel_ = from.bitsPerPixel_;
  colourType_ = from.colourType_;
  stride_ = from.stride_;
  transparentIndex_ = from.transparentIndex_;
  palette_ = std::move(from.palette_);
  from.clear();
}

void CImageImpl::setPalette(Palette palette) {
  if (palette.size() > 256) palette.resize(256);
  palette_ = std::move(palette);
  if (!palette_.empty()) colourType_ |= 3;
}

bool CImageImpl::getPaletteEntry(int i, Rgb& colour) const {
  if (i < 0 || i >= static_cast<int>(palette_.size())) return false;
  colour = palette_[i];
  return true;
}

int CImageImpl::getIndex(int x, int y) const {
  if (!inside(x, y) || bitsPerPixel_ > 8) return -1;
  int bitOffset = x * bitsPerPixel_;
  uint8_t byte = row(y)[bitOffset / 8];
  if (bitsPerPixel_ == 8) return byte;
  int shift = 8 - bitsPerPixel_ - bitOffset % 8;
  return (byte >> shift) & ((1 << bitsPerPixel_) - 1);
}

bool CImageImpl::setIndex(int x, int y, int i) {
  if (!inside(x, y) || bitsPerPixel_ > 8) return false;
  int bitOffset = x * bitsPerPixel_;
  uint8_t& byte = row(y)[bitOffset / 8];
  if (bitsPerPixel_ == 8) {
    byte = static_cast<uint8_t>(i);
  } else {
    int shift = 8 - bitsPerPixel_ - bitOffset % 8;
    int mask = ((1 << bitsPerPixel_) - 1) << shift;
    byte = static_cast<uint8_t>((byte & ~mask) | ((i << shift) & mask));
  }
  return true;
}

bool CImageImpl::getRGB(int x, int y, Rgb& colour) const {
  if (!inside(x, y)) return false;
  if (bitsPerPixel_ <= 8) {
    if (hasPalette()) {
      if (!getPaletteEntry(getIndex(x, y), colour)) colour = Rgb{};
      return true;
    }
  }
  const uint8_t* pixel = row(y) + x * bitsPerPixel_ / 8;
  if (bitsPerPixel_ == 16) {
    // 5 bits each of red, green and blue, spread over 0..255.
    int value = pixel[0] | pixel[1] << 8;
    auto spread = [](int five) { return static_cast<uint8_t>(five << 3 | five >> 2); };
    colour = Rgb{spread(value >> 10 & 31), spread(value >> 5 & 31), spread(value & 31)};
  } else if (bitsPerPixel_ < 24) {
    // An index picture without palette: the pixel's bytes as far as the row goes.
    const uint8_t* rowEnd = row(y) + stride_;
    colour = Rgb{pixel + 2 < rowEnd ? pixel[2] : uint8_t{0},
                 pixel + 1 < rowEnd ? pixel[1] : uint8_t{0}, pixel[0]};
  } else {
    colour = Rgb{pixel[2], pixel[1], pixel[0]};
  }
  return true;
}

bool CImageImpl::setRGB(int x, int y, Rgb colour) {
  if (!inside(x, y)) return false;
  if (colourType_ & 1) {
    int index = nearestPaletteIndex(palette_, colour);
    return index >= 0 && setIndex(x, y, index);
  }
  if (bitsPerPixel_ < 24) return false;
  uint8_t* pixel = row(y) + x * bitsPerPixel_ / 8;
  pixel[0] = colour.blue;
  pixel[1] = colour.green;
  pixel[2] = colour.red;
  return true;
}

}  // namespace quorvex
