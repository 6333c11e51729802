#include "imaging/image_format.h"

#include <cctype>
#include <string>

namespace quorvex {

ImageFormat formatFromExtension(std::string_view path) {
  size_t dot = path.rfind('.');
  if (dot == std::string_view::npos) return ImageFormat::kNone;
  std::string extension;
  for (char c : path.substr(dot + 1)) {
    extension += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  if (extension == "jpg" || extension == "jpeg") return ImageFormat::kJpeg;
  if (extension == "gif") return ImageFormat::kGif;
  if (extension == "png") return ImageFormat::kPng;
  if (extension == "bmp") return ImageFormat::kBmp;
  return ImageFormat::kNone;
}

const char* formatName(ImageFormat format) {
  switch (format) {
    case ImageFormat::kBmp:
      return "BMP";
    case ImageFormat::kJpeg:
      return "JPEG";
    case ImageFormat::kGif:
      return "GIF";
    case ImageFormat::kXpm:
      return "XPM";
    case ImageFormat::kPng:
      return "PNG";
    case ImageFormat::kNone:
      break;
  }
  return "none";
}

}  // namespace quorvex
