#include "imaging/text_drawer.h"

#include <optional>

#include "imaging/hsv_blend.h"
#include "imaging/text_layout.h"

namespace quorvex {

namespace {

// Draws the laid-out glyphs with the pen starting at `startX` on the
// baseline `baselineY`.
void drawString(CImageImpl& picture, TransparencyMask* mask, const TextLayout& layout,
                int64_t startX, int64_t baselineY, Rgb colour) {
  int64_t pen = startX;
  for (size_t i = 0; i < layout.glyphs.size(); ++i) {
    const GlyphBitmap& glyph = layout.glyphs[i];
    const GlyphMetrics& metrics = glyph.metrics;
    pen += metrics.originX;
    int64_t topRow = baselineY + metrics.originY - 1;
    for (int r = 0; r < metrics.blackBoxHeight; ++r) {
      int64_t y = topRow - r;
      if (y < 0 || y >= picture.height()) continue;
      const uint8_t* coverage =
          glyph.coverage.data() + static_cast<size_t>(r) * metrics.blackBoxWidth;
      for (int c = 0; c < metrics.blackBoxWidth; ++c) {
        int64_t x = pen + c;
        if (coverage[c] == 0 || x < 0 || x >= picture.width()) continue;
        int px = static_cast<int>(x), py = static_cast<int>(y);
        Rgb pixel;
        picture.getRGB(px, py, pixel);
        picture.setRGB(px, py, blendHsv(pixel, colour, coverage[c]));
        if (mask != nullptr) mask->set(px, py, false);
      }
    }
    pen += layout.advances[i];
  }
}

}  // namespace

void drawText(CImageImpl& picture, TransparencyMask* mask, const CanvasText& text) {
  if (text.text.empty() || !text.font) return;
  std::optional<TextLayout> layout = layOutText(*text.font, text.text);
  if (!layout) return;
  TextPosition position = placeText(*layout, picture.width(), picture.height(), text.offsetX,
                                    text.offsetY, text.shadowDepth);
  int64_t depth = text.shadowDepth;
  if (text.shadow && depth != 0) {
    drawString(picture, mask, *layout, position.startX + depth, position.baselineY - depth,
               Rgb{0, 0, 0});
  }
  drawString(picture, mask, *layout, position.startX, position.baselineY,
             rgbFromColorValue(text.textColor));
}

}  // namespace quorvex
