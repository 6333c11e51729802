#include "ui/qt_text.h"

#include <optional>

#include "platform/text_encoding.h"

namespace quorvex::ui {

QString toQt(const std::string& text) { return QString::fromStdString(cp1252ToUtf8(text)); }

std::string fromQt(const QString& text) {
  std::string bytes;
  for (QChar character : text) {
    std::optional<std::string> encoded = utf8ToCp1252(QString(character).toStdString());
    bytes += encoded ? *encoded : "?";
  }
  return bytes;
}

}  // namespace quorvex::ui
