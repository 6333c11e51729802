#include "imaging/png_image.h"

#include <png.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "imaging/file_bytes.h"

namespace quorvex {

namespace {

struct MemoryInput {
  std::string_view bytes;
  size_t position = 0;
};

void readFromMemory(png_structp png, png_bytep buffer, size_t wanted) {
  auto* input = static_cast<MemoryInput*>(png_get_io_ptr(png));
  if (input->bytes.size() - input->position < wanted) png_error(png, "file is truncated");
  std::memcpy(buffer, input->bytes.data() + input->position, wanted);
  input->position += wanted;
}

void appendToString(png_structp png, png_bytep bytes, size_t count) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<char*>(bytes), count);
}

void flushNothing(png_structp) {}

void ignoreWarning(png_structp, png_const_charp) {}

// A fatal codec error ends the decoding or encoding without a word of its
// own on stderr: the caller reports the failure, naming the file.
[[noreturn]] void quietError(png_structp png, png_const_charp) { png_longjmp(png, 1); }

// Palette of the file as stored, before any transformation touches it.
Palette storedPalette(png_structp png, png_infop info) {
  png_colorp colours;
  int count = 0;
  Palette palette;
  if (png_get_PLTE(png, info, &colours, &count) == PNG_INFO_PLTE) {
    for (int i = 0; i < count; ++i) {
      palette.push_back(Rgb{colours[i].red, colours[i].green, colours[i].blue});
    }
  }
  return palette;
}

// The steps between the codec's creation and destruction. A fatal codec error
// jumps out of this frame, so nothing here may need a destructor; `palette`
// belongs to the caller.
bool decodeRows(png_structp png, png_infop info, Palette& palette, CImageImpl& image) {
  png_read_info(png, info);
  png_uint_32 width = png_get_image_width(png, info);
  png_uint_32 height = png_get_image_height(png, info);
  int colourType = png_get_color_type(png, info);
  if (static_cast<int64_t>(width) * height > kMaxPicturePixels) return false;
  palette = storedPalette(png, info);
  png_color_16 background{};
  background.red = kPngBackground.red;
  background.green = kPngBackground.green;
  background.blue = kPngBackground.blue;
  if ((colourType & PNG_COLOR_MASK_COLOR) == 0) png_set_gray_to_rgb(png);
  png_set_background(png, &background, PNG_BACKGROUND_GAMMA_SCREEN, 0, 1.0);
  png_set_strip_16(png);
  png_set_bgr(png);
  int passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);
  int bitsPerPixel = png_get_channels(png, info) * png_get_bit_depth(png, info);
  if (bitsPerPixel > 24 || !image.create(width, height, bitsPerPixel, colourType) ||
      png_get_rowbytes(png, info) > static_cast<size_t>(image.stride())) {
    image.clear();
    return false;
  }
  if (!palette.empty()) image.setPalette(palette);
  // Each pass after the first adds its pixels to the row as it stands.
  for (int pass = 0; pass < passes; ++pass) {
    for (int k = 0; k < image.height(); ++k) {
      png_read_row(png, image.row(image.height() - 1 - k), nullptr);
    }
  }
  png_read_end(png, nullptr);
  return true;
}

}  // namespace

bool decodePng(std::string_view bytes, CImageImpl& image) {
  image.clear();
  MemoryInput input{bytes};
  png_structp png =
      png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, quietError, ignoreWarning);
  if (png == nullptr) return false;
  png_infop info = png_create_info_struct(png);
  Palette palette;
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  png_set_read_fn(png, &input, readFromMemory);
  bool decoded = decodeRows(png, info, palette, image);
  png_destroy_read_struct(&png, &info, nullptr);
  return decoded;
}

namespace {

// Writes `image` (truecolour or paletted, as encodePng checks) through the
// codec. A fatal codec error jumps out of this frame, so nothing here may
// need a destructor; the caller owns the buffers.
void writeImage(png_structp png, png_infop info, const CImageImpl& image,
                std::vector<png_color>& colours, std::vector<png_byte>& alphas,
                std::vector<png_bytep>& rows) {
  bool truecolour = image.bitsPerPixel() == 24;
  png_set_IHDR(png, info, image.width(), image.height(), truecolour ? 8 : image.bitsPerPixel(),
               truecolour ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!truecolour) {
    png_set_PLTE(png, info, colours.data(), static_cast<int>(colours.size()));
    if (!alphas.empty() && alphas.size() <= colours.size()) {
      png_set_tRNS(png, info, alphas.data(), static_cast<int>(alphas.size()), nullptr);
    }
  }
  png_write_info(png, info);
  if (truecolour) png_set_bgr(png);
  png_write_image(png, rows.data());
  png_write_end(png, nullptr);
}

}  // namespace

std::optional<std::string> encodePng(const CImageImpl& image) {
  bool truecolour = image.bitsPerPixel() == 24;
  bool paletted = image.bitsPerPixel() <= 8 && image.hasPalette();
  if (!image.isValid() || (!truecolour && !paletted)) return std::nullopt;
  std::vector<png_color> colours;
  for (const Rgb& c : image.palette()) colours.push_back({c.red, c.green, c.blue});
  // The transparent index, when there is one, is the only entry with alpha 0.
  std::vector<png_byte> alphas(std::max(0, image.transparentIndex() + 1), 255);
  if (!alphas.empty()) alphas.back() = 0;
  std::vector<png_bytep> rows(image.height());
  for (int k = 0; k < image.height(); ++k) {
    // The codec does not change the rows; its interface just lacks the const.
    rows[k] = const_cast<png_bytep>(image.row(image.height() - 1 - k));
  }
  std::string bytes;
  png_structp png =
      png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, quietError, ignoreWarning);
  if (png == nullptr) return std::nullopt;
  png_infop info = png_create_info_struct(png);
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return std::nullopt;
  }
  png_set_write_fn(png, &bytes, appendToString, flushNothing);
  writeImage(png, info, image, colours, alphas, rows);
  png_destroy_write_struct(&png, &info);
  return bytes;
}

bool CImageImplPNG::read(const std::filesystem::path& path) {
  clear();
  std::optional<std::string> bytes = readFileBytes(path);
  return bytes && decodePng(*bytes, *this);
}

bool CImageImplPNG::write(const std::filesystem::path& path) const {
  std::optional<std::string> bytes = encodePng(*this);
  return bytes && writeFileBytes(path, *bytes);
}

}  // namespace quorvex
