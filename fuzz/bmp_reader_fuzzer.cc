// Feeds arbitrary bytes to the bitmap reader: it must refuse or accept them
// without crashing or allocating without bound, and an accepted picture must
// hold every pixel its size promises and write back out.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "imaging/bmp_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  quorvex::CImageImplBMP image("fuzz.bmp");
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (!quorvex::decodeBmp(bytes, image)) return 0;
  quorvex::Rgb colour;
  // Every corner and the middle must be readable.
  for (int y : {0, image.height() / 2, image.height() - 1}) {
    for (int x : {0, image.width() / 2, image.width() - 1}) {
      if (!image.getRGB(x, y, colour)) std::abort();
    }
  }
  if (static_cast<int64_t>(image.width()) * image.height() <= 1'000'000) {
    quorvex::CImageImplBMP again("again.bmp");
    if (!quorvex::decodeBmp(quorvex::encodeBmp(image), again) || again.width() != image.width() ||
        again.height() != image.height() || again.bitsPerPixel() != image.bitsPerPixel()) {
      std::abort();
    }
  }
  return 0;
}
