#ifndef QUORVEX_IMAGING_TEXT_DRAWER_H_
#define QUORVEX_IMAGING_TEXT_DRAWER_H_

#include <cstdint>
#include <memory>
#include <string>

#include "imaging/image_impl.h"
#include "imaging/transparency_mask.h"
#include "platform/font_rasterizer.h"

namespace quorvex {

// The text a canvas draws on its picture, with its font and effects.
struct CanvasText {
  // Shift of the text in pixels: positive moves right and up by half.
  int offsetX = 0;
  int offsetY = 0;
  // Distance of the shadow in pixels, right and down; the text is placed
  // to leave room for it even when `shadow` is off.
  int shadowDepth = 0;
  bool shadow = false;
  // Colour value 0x00BBGGRR.
  int32_t textColor = 0;
  // Nothing is drawn without a font.
  std::shared_ptr<RasterFont> font;
  // Windows-1252 bytes; nothing is drawn when empty.
  std::string text;
};

// Draws `text` onto the 24-bit `picture`: anti-aliased, kerned, centred
// (text_layout.h), first in black `shadowDepth` pixels right and down when
// the shadow is on and the depth is not 0, then in the text colour. Every
// pixel a glyph covers is blended with the colour (hsv_blend.h) and, with a
// `mask`, made opaque. Pixels outside the picture are skipped. When a
// character has no glyph nothing is drawn.
void drawText(CImageImpl& picture, TransparencyMask* mask, const CanvasText& text);

}  // namespace quorvex

#endif  // QUORVEX_IMAGING_TEXT_DRAWER_H_
