#include "imaging/text_layout.h"

#include <algorithm>
#include <cmath>

namespace quorvex {

namespace {

constexpr char kReferenceLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// Half of `value`, truncated towards zero.
int64_t truncatedHalf(double value) { return static_cast<int64_t>(std::trunc(value / 2)); }

}  // namespace

std::optional<TextLayout> layOutText(RasterFont& font, const std::string& text) {
  TextLayout layout;
  layout.glyphs.resize(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (!font.glyphBitmap(static_cast<uint8_t>(text[i]), layout.glyphs[i])) return std::nullopt;
  }
  for (size_t i = 0; i < text.size(); ++i) {
    const GlyphMetrics& metrics = layout.glyphs[i].metrics;
    int advance = metrics.cellIncX;
    if (i + 1 < text.size()) {
      advance += font.kerning(static_cast<uint8_t>(text[i]), static_cast<uint8_t>(text[i + 1]));
    }
    layout.advances.push_back(advance);
    layout.width += advance + metrics.originX;
  }
  for (const char* letter = kReferenceLetters; *letter != '\0'; ++letter) {
    GlyphMetrics metrics;
    if (!font.glyphMetrics(static_cast<uint8_t>(*letter), metrics)) continue;
    layout.ascent = std::max(layout.ascent, metrics.originY);
    layout.descent = std::max(layout.descent, metrics.blackBoxHeight - metrics.originY);
  }
  return layout;
}

TextPosition placeText(const TextLayout& layout, int width, int height, int offsetX, int offsetY,
                       int shadowDepth) {
  double depth = shadowDepth;
  double availableWidth = std::max(0.0, width - std::abs(static_cast<double>(offsetX)));
  double availableHeight = std::max(0.0, height - std::abs(static_cast<double>(offsetY)));
  double textHeight = static_cast<double>(layout.ascent) + layout.descent;
  TextPosition position;
  position.startX = truncatedHalf(availableWidth - static_cast<double>(layout.width) - depth) -
                    shadowDepth + std::max(offsetX, 0);
  position.baselineY = truncatedHalf(availableHeight - textHeight - depth) + std::max(offsetY, 0) +
                       layout.descent + shadowDepth;
  position.startX = std::max<int64_t>(position.startX, 0);
  position.baselineY = std::max<int64_t>(position.baselineY, 0);
  return position;
}

}  // namespace quorvex
