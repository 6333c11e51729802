#ifndef QUORVEX_GENERATOR_IMAGE_SIZE_H_
#define QUORVEX_GENERATOR_IMAGE_SIZE_H_

#include <filesystem>

namespace quorvex {

// The size of a picture in pixels; below 1 when it is not known.
struct ImageSize {
  int width = -1;
  int height = -1;

  bool known() const { return width >= 1 && height >= 1; }
};

// Returns the size of the picture file `path`, chosen by its extension
// without regard to case: GIF from the logical screen of the file header
// (which must start with "GIF8"), JPEG (jpg, jpeg) from the JPEG header
// without decoding the picture, PNG and BMP by loading the picture. Any other
// extension, or a file that cannot be read, gives an unknown size.
ImageSize imageSize(const std::filesystem::path& path);

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_IMAGE_SIZE_H_
