#include "imaging/gif_writer.h"

#include <gif_lib.h>

#include <memory>

#include "imaging/file_bytes.h"
#include "imaging/gif_interlace.h"

namespace quorvex {

namespace {

constexpr int kMaxGifSide = 65535;
constexpr char kComment[] = "Created by Quorvex";

int appendToString(GifFileType* gif, const GifByteType* bytes, int count) {
  static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), count);
  return count;
}

struct ColorMapFree {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

// Closes the encoder, which writes the trailer; false when that fails.
bool closeGif(GifFileType* gif) {
  int error;
  return EGifCloseFile(gif, &error) == GIF_OK;
}

bool writeBody(GifFileType* gif, const CImageImpl& image) {
  std::unique_ptr<ColorMapObject, ColorMapFree> map(GifMakeMapObject(256, nullptr));
  if (!map) return false;
  const Palette& palette = image.palette();
  for (size_t i = 0; i < palette.size(); ++i) {
    map->Colors[i] = GifColorType{palette[i].red, palette[i].green, palette[i].blue};
  }
  EGifSetGifVersion(gif, true);
  if (EGifPutScreenDesc(gif, image.width(), image.height(), 8, 255, map.get()) != GIF_OK) {
    return false;
  }
  if (image.transparentIndex() != -1) {
    const GifByteType control[4] = {1, 0, 0, static_cast<GifByteType>(image.transparentIndex())};
    if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, control) != GIF_OK) return false;
  }
  EGifPutComment(gif, kComment);  // a comment that fails to go in does not matter
  if (EGifPutImageDesc(gif, 0, 0, image.width(), image.height(), true, nullptr) != GIF_OK) {
    return false;
  }
  for (int fromTop : interlacedRowOrder(image.height())) {
    // giflib masks the pixels in place to the map's depth, which leaves 8-bit
    // values as they are.
    auto* row = const_cast<GifPixelType*>(image.row(image.height() - 1 - fromTop));
    if (EGifPutLine(gif, row, image.width()) != GIF_OK) return false;
  }
  return true;
}

}  // namespace

std::optional<std::string> encodeGif(const CImageImpl& image) {
  if (!image.isValid() || image.bitsPerPixel() != 8 || !image.hasPalette() ||
      image.width() > kMaxGifSide || image.height() > kMaxGifSide) {
    return std::nullopt;
  }
  std::string bytes;
  int error;
  GifFileType* gif = EGifOpen(&bytes, appendToString, &error);
  if (gif == nullptr) return std::nullopt;
  bool written = writeBody(gif, image);
  if (!closeGif(gif) || !written) return std::nullopt;
  return bytes;
}

bool writeGif(const CImageImpl& image, const std::filesystem::path& path) {
  std::optional<std::string> bytes = encodeGif(image);
  return bytes && writeFileBytes(path, *bytes);
}

}  // namespace quorvex
