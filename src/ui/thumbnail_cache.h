#ifndef QUORVEX_UI_THUMBNAIL_CACHE_H_
#define QUORVEX_UI_THUMBNAIL_CACHE_H_

#include <QCache>
#include <QPixmap>
#include <QString>
#include <filesystem>
#include <string_view>

namespace quorvex::ui {

// Small pictures of the products' picture files for a grid, read at a
// reduced size the first time a line shows them and kept for the most
// recently shown lines only, so that a grid of many rows reads only the
// pictures it shows.
class ThumbnailCache {
 public:
  // Stored picture paths are resolved against `home`; thumbnails are at most
  // `height` pixels high.
  ThumbnailCache(std::filesystem::path home, int height);

  // The thumbnail of the picture stored as `stored`; a null pixmap when the
  // file cannot be read as a picture.
  QPixmap thumbnail(std::string_view stored);

 private:
  std::filesystem::path home_;
  int height_;
  QCache<QString, QPixmap> cache_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_THUMBNAIL_CACHE_H_
