#ifndef QUORVEX_TESTS_IMAGING_TEST_PICTURES_H_
#define QUORVEX_TESTS_IMAGING_TEST_PICTURES_H_

#include <functional>
#include <memory>
#include <string>

#include "imaging/image_impl.h"

namespace quorvex::testing {

// A 24-bit picture whose pixel (x, y) (y from the bottom) is colour(x, y).
std::unique_ptr<CImageImpl> trueColourPicture(int width, int height,
                                              const std::function<Rgb(int, int)>& colour);

// An 8-bit picture with `palette` whose pixel (x, y) has index(x, y).
std::unique_ptr<CImageImpl> palettedPicture(int width, int height, const Palette& palette,
                                            const std::function<int(int, int)>& index);

// The colour of pixel (x, y); black outside.
Rgb pixelAt(const CImageImpl& picture, int x, int y);

// The bytes of a GIF file made with giflib: `screen` size, an optional global
// map, then one frame at (left, top) of the given size and pixels (row-major
// from the top) with an optional local map, optionally interlaced and
// preceded by a graphic control block with the given flags and index.
struct GifRecipe {
  int screenWidth = 0;
  int screenHeight = 0;
  Palette globalMap;
  Palette localMap;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;
  bool interlaced = false;
  bool controlBlock = false;
  int controlFlags = 0;
  int controlIndex = 0;
};
std::string gifBytes(const GifRecipe& recipe);

}  // namespace quorvex::testing

#endif  // QUORVEX_TESTS_IMAGING_TEST_PICTURES_H_
