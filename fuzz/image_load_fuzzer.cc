// Feeds arbitrary bytes to the picture readers, the first byte choosing the
// codec (BMP, JPEG, GIF, PNG): each must refuse or read them without
// crashing or allocating without bound. A picture that loads (of a size a
// fuzzer can afford) then goes the generator's way: a 24-bit copy, a
// reduction to 40 pixels wide and a GIF with its transparency.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "imaging/bmp_image.h"
#include "imaging/gif_image.h"
#include "imaging/gif_transparency.h"
#include "imaging/gif_writer.h"
#include "imaging/image_canvas.h"
#include "imaging/jpeg_image.h"
#include "imaging/palette_reduction.h"
#include "imaging/pixel_copy.h"
#include "imaging/png_image.h"
#include "imaging/resampler.h"

namespace {

using namespace quorvex;

bool decode(uint8_t codec, std::string_view bytes, CImageImpl& image) {
  switch (codec % 4) {
    case 0:
      return decodeBmp(bytes, image);
    case 1:
      return decodeJpeg(bytes, PreviewOptions{codec >= 128, 40, 30}, image);
    case 2:
      return decodeGif(bytes, image);
    default:
      return decodePng(bytes, image);
  }
}

void reduceForTheWeb(const CImageImpl& source) {
  TransparentKey key;
  key.index = source.transparentIndex();
  if (key.index != -1) source.getPaletteEntry(key.index, key.colour);
  CImageImplBMP copy("copy.bmp");
  if (!copy.create(source.width(), source.height(), 24, 0)) std::abort();
  TransparencyMask fullMask(source.width(), source.height());
  copyPixels(source, copy, key, key.index != -1 ? &fullMask : nullptr);
  CImageImplBMP small("small.bmp");
  int height = proportionalHeight(40, source.width(), source.height());
  if (height > 1000 || !small.create(40, height, 24, 0)) return;
  TransparencyMask mask(40, height);
  resample(copy, small, key, &mask);
  std::unique_ptr<CImageFile> reduced = reduceToPalette(small);
  applyTransparency(*reduced->impl(), key.colour, mask);
  if (!encodeGif(*reduced->impl())) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  CImageImplBMP image("fuzz");
  std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  decode(data[0], bytes, image);
  if (!image.isValid()) return 0;
  Rgb colour;
  if (!image.getRGB(image.width() - 1, image.height() - 1, colour)) std::abort();
  if (static_cast<int64_t>(image.width()) * image.height() <= 250'000) reduceForTheWeb(image);
  return 0;
}
