#include "test_pictures.h"

#include <gif_lib.h>

#include "imaging/bmp_image.h"
#include "imaging/gif_interlace.h"

namespace quorvex::testing {

std::unique_ptr<CImageImpl> trueColourPicture(int width, int height,
                                              const std::function<Rgb(int, int)>& colour) {
  auto picture = std::make_unique<CImageImplBMP>("test.bmp");
  picture->create(width, height, 24, 0);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) picture->setRGB(x, y, colour(x, y));
  }
  return picture;
}

std::unique_ptr<CImageImpl> palettedPicture(int width, int height, const Palette& palette,
                                            const std::function<int(int, int)>& index) {
  auto picture = std::make_unique<CImageImplBMP>("test.bmp");
  picture->create(width, height, 8, -1);
  picture->setPalette(palette);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) picture->setIndex(x, y, index(x, y));
  }
  return picture;
}

Rgb pixelAt(const CImageImpl& picture, int x, int y) {
  Rgb colour;
  picture.getRGB(x, y, colour);
  return colour;
}

namespace {

int appendBytes(GifFileType* gif, const GifByteType* bytes, int count) {
  static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), count);
  return count;
}

ColorMapObject* makeMap(const Palette& palette) {
  if (palette.empty()) return nullptr;
  ColorMapObject* map = GifMakeMapObject(static_cast<int>(palette.size()), nullptr);
  for (size_t i = 0; i < palette.size(); ++i) {
    map->Colors[i] = GifColorType{palette[i].red, palette[i].green, palette[i].blue};
  }
  return map;
}

}  // namespace

std::string gifBytes(const GifRecipe& recipe) {
  std::string bytes;
  int error;
  GifFileType* gif = EGifOpen(&bytes, appendBytes, &error);
  EGifSetGifVersion(gif, true);
  ColorMapObject* global = makeMap(recipe.globalMap);
  ColorMapObject* local = makeMap(recipe.localMap);
  EGifPutScreenDesc(gif, recipe.screenWidth, recipe.screenHeight, 8, 0, global);
  if (recipe.controlBlock) {
    GifByteType block[4] = {static_cast<GifByteType>(recipe.controlFlags), 0, 0,
                            static_cast<GifByteType>(recipe.controlIndex)};
    EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, block);
  }
  EGifPutImageDesc(gif, recipe.left, recipe.top, recipe.width, recipe.height, recipe.interlaced, local);
  std::vector<int> order = interlacedRowOrder(recipe.height);
  for (int k = 0; k < recipe.height; ++k) {
    int row = recipe.interlaced ? order[k] : k;
    std::vector<GifPixelType> line(recipe.pixels.begin() + row * recipe.width,
                                   recipe.pixels.begin() + (row + 1) * recipe.width);
    EGifPutLine(gif, line.data(), recipe.width);
  }
  EGifCloseFile(gif, &error);
  GifFreeMapObject(global);
  GifFreeMapObject(local);
  return bytes;
}

}  // namespace quorvex::testing
