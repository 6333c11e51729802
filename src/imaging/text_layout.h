#ifndef QUORVEX_IMAGING_TEXT_LAYOUT_H_
#define QUORVEX_IMAGING_TEXT_LAYOUT_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/font_rasterizer.h"

namespace quorvex {

// One line of text set in one font, ready to be drawn.
struct TextLayout {
  // One glyph per byte of the text.
  std::vector<GlyphBitmap> glyphs;
  // How far the pen moves after each glyph: its cell increment plus the
  // font's kerning with the next character.
  std::vector<int> advances;
  // The sum of every glyph's advance and origin x: the left bearings add to
  // the spacing.
  int64_t width = 0;
  // The largest extent above and below the baseline among the 52 letters
  // A-Z and a-z (at least 0), so that every text in one font sits on the same
  // baseline whatever its letters.
  int ascent = 0;
  int descent = 0;
};

// Sets `text` (Windows-1252 bytes) in `font`, fetching each character's glyph
// once. Returns nullopt when a character has no glyph: then nothing at all
// is drawn.
std::optional<TextLayout> layOutText(RasterFont& font, const std::string& text);

// Where the text's pen starts and where its baseline lies, x from the left
// and y from the bottom of the picture.
struct TextPosition {
  int64_t startX = 0;
  int64_t baselineY = 0;
};

// Centres `layout` in a picture of width × height pixels, shifted by half the
// offsets and placed for a shadow of `shadowDepth` pixels (whether or not the
// shadow is drawn). Neither coordinate goes below 0.
TextPosition placeText(const TextLayout& layout, int width, int height, int offsetX, int offsetY,
                       int shadowDepth);

}  // namespace quorvex

#endif  // QUORVEX_IMAGING_TEXT_LAYOUT_H_
