#include "generator/site_folders.h"

#include <algorithm>

#include "platform/paths.h"

namespace quorvex {

namespace fs = std::filesystem;

SiteFolders::SiteFolders(fs::path home, std::string siteFolder, std::string imagesDir,
                         std::string imagesUrl)
    : home_(std::move(home)),
      siteFolder_(std::move(siteFolder)),
      imagesFolder_(siteFolder_ + imagesDir),
      imagesUrl_(std::move(imagesUrl)),
      imagesRemote_(imagesDir) {
  while (!imagesRemote_.empty() && (imagesRemote_.back() == '\\' || imagesRemote_.back() == '/')) {
    imagesRemote_.pop_back();
  }
}

fs::path SiteFolders::native(std::string_view stored) const { return home_ / nativePath(stored); }

std::string SiteFolders::stored(const fs::path& path) const {
  fs::path relative = path.lexically_relative(home_);
  bool inside = !relative.empty() && *relative.begin() != "..";
  std::string text = inside ? relative.generic_string() : path.generic_string();
  if (inside) std::replace(text.begin(), text.end(), '/', '\\');
  return text;
}

}  // namespace quorvex
