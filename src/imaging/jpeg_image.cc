#include "imaging/jpeg_image.h"

// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include <algorithm>
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include "imaging/file_bytes.h"

namespace quorvex {

namespace {

// The codec may keep at most this much memory (a progressive file keeps all
// its coefficients); a file that needs more fails.
constexpr long kCodecMemoryLimit = 1536L * 1024 * 1024;
// The codec's recommended batch of rows is never more than this.
constexpr int kMaxRowsPerRead = 16;

// Turns the codec's fatal errors into a jump back to the caller and keeps its
// warnings quiet.
struct ErrorTrap {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

[[noreturn]] void jumpOnError(j_common_ptr codec) {
  std::longjmp(reinterpret_cast<ErrorTrap*>(codec->err)->jump, 1);
}

void ignoreMessage(j_common_ptr) {}

jpeg_error_mgr* trapErrors(ErrorTrap& trap) {
  jpeg_error_mgr* manager = jpeg_std_error(&trap.manager);
  manager->error_exit = jumpOnError;
  manager->output_message = ignoreMessage;
  return manager;
}

void setDecodingParameters(jpeg_decompress_struct& codec, const PreviewOptions& preview) {
  codec.scale_num = 1;
  codec.scale_denom = 1;
  if (preview.decode) {
    codec.scale_denom =
        jpegPreviewScale(codec.image_width, codec.image_height, preview.width, preview.height);
    codec.dct_method = JDCT_IFAST;
    codec.do_fancy_upsampling = FALSE;
  } else {
    codec.dct_method = JDCT_FLOAT;
    codec.do_fancy_upsampling = TRUE;
  }
  codec.do_block_smoothing = FALSE;
  codec.quantize_colors = FALSE;
  codec.two_pass_quantize = FALSE;
  // Colour comes out blue, green, red: the order of the picture rows.
  if (codec.out_color_space == JCS_RGB) codec.out_color_space = JCS_EXT_BGR;
}

Palette greyRamp() {
  Palette palette(256);
  for (int i = 0; i < 256; ++i) {
    palette[i] = Rgb{static_cast<uint8_t>(i), static_cast<uint8_t>(i), static_cast<uint8_t>(i)};
  }
  return palette;
}

// The steps between the codec's creation and destruction; returns false when
// the file is not usable. A fatal codec error jumps out of it.
bool decodeRows(jpeg_decompress_struct& codec, std::string_view bytes,
                const PreviewOptions& preview, CImageImpl& image) {
  jpeg_mem_src(&codec, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  if (jpeg_read_header(&codec, TRUE) != JPEG_HEADER_OK) return false;
  if (static_cast<int64_t>(codec.image_width) * codec.image_height > kMaxPicturePixels) {
    return false;
  }
  setDecodingParameters(codec, preview);
  jpeg_start_decompress(&codec);
  if (!image.create(codec.output_width, codec.output_height, 8 * codec.output_components, -1)) {
    return false;
  }
  if (codec.output_components == 1) image.setPalette(greyRamp());
  // A fixed array: a codec error jumps over this frame, so nothing here may
  // need a destructor.
  JSAMPROW rows[kMaxRowsPerRead];
  int batch = std::clamp(codec.rec_outbuf_height, 1, kMaxRowsPerRead);
  while (codec.output_scanline < codec.output_height) {
    int first = static_cast<int>(codec.output_scanline);
    int count = std::min(batch, image.height() - first);
    for (int k = 0; k < count; ++k) rows[k] = image.row(image.height() - 1 - (first + k));
    jpeg_read_scanlines(&codec, rows, count);
  }
  jpeg_finish_decompress(&codec);
  return true;
}

}  // namespace

int jpegPreviewScale(int width, int height, int previewWidth, int previewHeight) {
  if (previewWidth == 0 || previewHeight == 0) return 1;
  int targetWidth = static_cast<int>(0.8 * previewWidth);
  int targetHeight = static_cast<int>(0.8 * previewHeight);
  for (int scale : {8, 4, 2}) {
    if (width / scale >= targetWidth || height / scale >= targetHeight) return scale;
  }
  return 1;
}

bool decodeJpeg(std::string_view bytes, const PreviewOptions& preview, CImageImpl& image) {
  image.clear();
  jpeg_decompress_struct codec;
  ErrorTrap trap;
  codec.err = trapErrors(trap);
  if (setjmp(trap.jump)) {
    jpeg_destroy_decompress(&codec);
    return false;
  }
  jpeg_create_decompress(&codec);
  codec.mem->max_memory_to_use = kCodecMemoryLimit;
  bool decoded = decodeRows(codec, bytes, preview, image);
  jpeg_destroy_decompress(&codec);
  return decoded;
}

std::optional<std::string> encodeJpeg(const CImageImpl& image, int quality) {
  if (!image.isValid() || image.bitsPerPixel() != 24) return std::nullopt;
  jpeg_compress_struct codec;
  ErrorTrap trap;
  codec.err = trapErrors(trap);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  if (setjmp(trap.jump)) {
    jpeg_destroy_compress(&codec);
    std::free(buffer);
    return std::nullopt;
  }
  jpeg_create_compress(&codec);
  jpeg_mem_dest(&codec, &buffer, &size);
  codec.image_width = image.width();
  codec.image_height = image.height();
  codec.input_components = 3;
  codec.in_color_space = JCS_EXT_BGR;  // converted exactly as red, green, blue would be
  jpeg_set_defaults(&codec);
  jpeg_set_quality(&codec, quality, TRUE);
  codec.dct_method = JDCT_FLOAT;
  codec.optimize_coding = TRUE;
  jpeg_simple_progression(&codec);
  jpeg_start_compress(&codec, TRUE);
  while (codec.next_scanline < codec.image_height) {
    // The codec does not change the row; its interface just lacks the const.
    JSAMPROW row = const_cast<JSAMPLE*>(image.row(image.height() - 1 - codec.next_scanline));
    jpeg_write_scanlines(&codec, &row, 1);
  }
  jpeg_finish_compress(&codec);
  std::string bytes(reinterpret_cast<const char*>(buffer), size);
  jpeg_destroy_compress(&codec);
  std::free(buffer);
  return bytes;
}

bool CImageImplJPEG::read(const std::filesystem::path& path) {
  clear();
  std::optional<std::string> bytes = readFileBytes(path);
  return bytes && decodeJpeg(*bytes, preview(), *this);
}

bool CImageImplJPEG::write(const std::filesystem::path& path) const {
  std::optional<std::string> bytes = encodeJpeg(*this, jpegQuality());
  return bytes && writeFileBytes(path, *bytes);
}

}  // namespace quorvex
