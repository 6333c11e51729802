#include "generator/picture_sizes.h"

#include <sys/stat.h>

namespace quorvex {

std::optional<PictureSizes::Stamp> PictureSizes::stampOf(const std::filesystem::path& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return std::nullopt;
  return Stamp{status.st_dev, status.st_ino, status.st_size,
               int64_t(status.st_mtim.tv_sec) * 1'000'000'000 + status.st_mtim.tv_nsec};
}

ImageSize PictureSizes::of(const std::filesystem::path& path) {
  const std::optional<Stamp> stamp = stampOf(path);
  if (!stamp) return imageSize(path);
  auto [entry, isNew] = known_.try_emplace(path.lexically_normal().string());
  if (isNew || !(entry->second.stamp == *stamp)) {
    entry->second = Known{*stamp, imageSize(path)};
  }
  return entry->second.size;
}

}  // namespace quorvex
