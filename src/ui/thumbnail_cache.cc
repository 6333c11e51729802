#include "ui/thumbnail_cache.h"

#include <QImageReader>

#include "platform/paths.h"

namespace quorvex::ui {

namespace {

// The thumbnails kept: a few screens of lines.
constexpr int kKept = 300;

}  // namespace

ThumbnailCache::ThumbnailCache(std::filesystem::path home, int height)
    : home_(std::move(home)), height_(height), cache_(kKept) {}

QPixmap ThumbnailCache::thumbnail(std::string_view stored) {
  const QString key = QString::fromUtf8(stored.data(), static_cast<qsizetype>(stored.size()));
  if (const QPixmap* kept = cache_.object(key)) return *kept;
  QImageReader reader(QString::fromStdString(resolveStoredPath(home_, stored).string()));
  const QSize size = reader.size();
  // Reading at the reduced size decodes only what the thumbnail needs.
  if (size.isValid() && size.height() > height_) {
    reader.setScaledSize(size.scaled(size.width(), height_, Qt::KeepAspectRatio));
  }
  auto* picture = new QPixmap(QPixmap::fromImage(reader.read()));
  const QPixmap shown = *picture;
  cache_.insert(key, picture);
  return shown;
}

}  // namespace quorvex::ui
