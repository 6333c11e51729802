#include "ui/qt_font_colour.h"

#include <cmath>
#include <cstdlib>

#include "ui/qt_text.h"

namespace quorvex::ui {

namespace {

// Screen pixels per typographic point at the desktop's usual 96 dpi.
constexpr double kPixelsPerPoint = 96.0 / 72.0;

}  // namespace

QColor toQColor(int32_t value) {
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

int32_t fromQColor(const QColor& colour) {
  return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

QFont toQFont(const LogFont& logFont) {
  QFont font(toQt(logFont.faceName()));
  if (logFont.lfHeight != 0) font.setPixelSize(std::abs(logFont.lfHeight));
  if (logFont.lfWeight != 0) font.setWeight(static_cast<QFont::Weight>(logFont.lfWeight));
  font.setItalic(logFont.lfItalic != 0);
  font.setUnderline(logFont.lfUnderline != 0);
  font.setStrikeOut(logFont.lfStrikeOut != 0);
  return font;
}

void storeQFont(const QFont& font, LogFont& logFont) {
  logFont.setFaceName(fromQt(font.family()));
  const int pixels = font.pixelSize() > 0
                         ? font.pixelSize()
                         : static_cast<int>(std::lround(font.pointSizeF() * kPixelsPerPoint));
  logFont.lfHeight = -pixels;
  logFont.lfWeight = font.weight();
  logFont.lfItalic = font.italic() ? 1 : 0;
  logFont.lfUnderline = font.underline() ? 1 : 0;
  logFont.lfStrikeOut = font.strikeOut() ? 1 : 0;
}

QFont toQFont(const CFontData& data) { return toQFont(data.logFont); }

void storeQFont(const QFont& font, CFontData& data) {
  storeQFont(font, data.logFont);
  const double points = font.pointSizeF() > 0 ? font.pointSizeF()
                                              : font.pixelSize() / kPixelsPerPoint;
  data.set(fromQt(font.family()), data.color, static_cast<int32_t>(std::lround(points * 10)),
           font.underline() ? 1 : 0, font.bold() ? 1 : 0, font.italic() ? 1 : 0,
           font.strikeOut() ? 1 : 0);
}

}  // namespace quorvex::ui
