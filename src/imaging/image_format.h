#ifndef QUORVEX_IMAGING_IMAGE_FORMAT_H_
#define QUORVEX_IMAGING_IMAGE_FORMAT_H_

#include <string_view>

namespace quorvex {

// The picture file formats, with the codes the program has always used.
// XPM has a code but no codec.
enum class ImageFormat { kNone = -1, kBmp = 0, kJpeg = 1, kGif = 2, kXpm = 3, kPng = 4 };

// Returns the format that the extension of `path` names: the text after the
// last '.' of the whole path, without regard to case: "jpeg" and "jpg" JPEG,
// "gif" GIF, "png" PNG, "bmp" BMP; kNone for anything else or no '.'.
ImageFormat formatFromExtension(std::string_view path);

// Returns the format's name as the command line shows it ("BMP", "JPEG", ...).
const char* formatName(ImageFormat format);

}  // namespace quorvex

#endif  // QUORVEX_IMAGING_IMAGE_FORMAT_H_
