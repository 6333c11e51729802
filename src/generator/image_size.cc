#include "generator/image_size.h"

// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include <array>
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <fstream>
#include <string>

#include "generator/text_helpers.h"
#include "imaging/image_file.h"
#include "imaging/image_format.h"

namespace quorvex {

namespace {

ImageSize gifSize(const std::filesystem::path& path) {
  std::array<unsigned char, 10> header{};
  std::ifstream in(path, std::ios::binary);
  if (!in.read(reinterpret_cast<char*>(header.data()), header.size())) return {};
  if (header[0] != 'G' || header[1] != 'I' || header[2] != 'F' || header[3] != '8') return {};
  return {header[6] | header[7] << 8, header[8] | header[9] << 8};
}

// Turns the JPEG library's fatal errors into a jump back to jpegSize().
struct JpegErrorTrap {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

[[noreturn]] void jumpOnJpegError(j_common_ptr codec) {
  std::longjmp(reinterpret_cast<JpegErrorTrap*>(codec->err)->jump, 1);
}

void ignoreJpegMessage(j_common_ptr) {}

// Reads no more of the file than its header. Only plain C objects live
// between setjmp and a jump back to it.
ImageSize jpegSize(const std::filesystem::path& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return {};
  jpeg_decompress_struct codec{};
  JpegErrorTrap trap;
  codec.err = jpeg_std_error(&trap.manager);
  trap.manager.error_exit = jumpOnJpegError;
  trap.manager.output_message = ignoreJpegMessage;
  ImageSize size;
  if (setjmp(trap.jump) == 0) {
    jpeg_create_decompress(&codec);
    jpeg_stdio_src(&codec, file);
    if (jpeg_read_header(&codec, TRUE) == JPEG_HEADER_OK) {
      size = {static_cast<int>(codec.image_width), static_cast<int>(codec.image_height)};
    }
  }
  jpeg_destroy_decompress(&codec);
  std::fclose(file);
  return size;
}

ImageSize loadedSize(const std::filesystem::path& path, ImageFormat format) {
  CImageFile image;
  image.load(path, format);
  if (image.width() < 1 || image.height() < 1) return {};
  return {image.width(), image.height()};
}

}  // namespace

ImageSize imageSize(const std::filesystem::path& path) {
  const std::string extension = lowerExtension(path.filename().string());
  if (extension == "gif") return gifSize(path);
  if (extension == "jpg" || extension == "jpeg") return jpegSize(path);
  if (extension == "png") return loadedSize(path, ImageFormat::kPng);
  if (extension == "bmp") return loadedSize(path, ImageFormat::kBmp);
  return {};
}

}  // namespace quorvex
