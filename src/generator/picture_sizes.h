#ifndef QUORVEX_GENERATOR_PICTURE_SIZES_H_
#define QUORVEX_GENERATOR_PICTURE_SIZES_H_

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <unordered_map>

#include "generator/image_size.h"

namespace quorvex {

// The sizes of the pictures one save-site run asks about, each read from its
// file once (imageSize) however many pages show it.
//
// A size is kept with the file's identity and last change (device, inode,
// length, modification time in nanoseconds) and read again when any of them
// differ. The run replaces a picture by renaming a new file over it, which
// gives it another inode, so a picture the run replaces is always measured
// anew; a picture changed in place by someone else is measured anew unless
// its length stays and the change falls within the file system's time stamp
// resolution. A file that cannot be examined is measured every time it is
// asked for (it gives an unknown size).
class PictureSizes {
 public:
  // Returns the size of the picture file `path`, as imageSize would.
  ImageSize of(const std::filesystem::path& path);

 private:
  struct Stamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t length = 0;
    int64_t modifiedNs = 0;

    bool operator==(const Stamp&) const = default;
  };
  struct Known {
    Stamp stamp;
    ImageSize size;
  };

  // The file's identity and last change; nullopt when it cannot be examined.
  static std::optional<Stamp> stampOf(const std::filesystem::path& path);

  // By the file's lexically normal path.
  std::unordered_map<std::string, Known> known_;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_PICTURE_SIZES_H_
