#ifndef QUORVEX_PLATFORM_FONT_RASTERIZER_H_
#define QUORVEX_PLATFORM_FONT_RASTERIZER_H_

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace quorvex {

// A font as the program describes it, in the terms of a Windows LOGFONT.
struct FontRequest {
  // Negative: the character height in pixels; positive: the cell height
  // (ascent plus descent) in pixels; 0: a default height.
  int height = 0;
  // The average character width in pixels; 0 keeps the face's proportions.
  int width = 0;
  // 100 (thin) to 900 (black); 400 normal, 700 bold; 0 normal.
  int weight = 400;
  bool italic = false;
  // The LOGFONT pitch-and-family byte; its family (high nibble) picks the
  // face when faceName is empty.
  int pitchAndFamily = 0;
  // Windows-1252; empty lets the platform choose.
  std::string faceName;
};

// Where a glyph's black box (the smallest box holding its ink) lies, in
// pixels.
struct GlyphMetrics {
  int blackBoxWidth = 0;
  int blackBoxHeight = 0;
  // From the pen position to the left edge of the black box.
  int originX = 0;
  // From the baseline up to the top edge of the black box.
  int originY = 0;
  // How far the pen moves after the glyph.
  int cellIncX = 0;
};

// A glyph with its anti-aliased image.
struct GlyphBitmap {
  GlyphMetrics metrics;
  // blackBoxHeight rows of blackBoxWidth coverage values, top row first:
  // 0 (no ink) to 64 (full ink).
  std::vector<uint8_t> coverage;
};

// One font at one size, made by a FontRasterizer. Characters are Windows-1252
// bytes. Not safe for use by two threads at once.
class RasterFont {
 public:
  virtual ~RasterFont() = default;

  // Fills `metrics` for `character`; false when the font cannot draw it.
  virtual bool glyphMetrics(uint8_t character, GlyphMetrics& metrics) = 0;
  // Fills `glyph` with the metrics and image of `character`; false when the
  // font cannot draw it.
  virtual bool glyphBitmap(uint8_t character, GlyphBitmap& glyph) = 0;
  // The font's kerning amount in pixels for `first` followed by `second`;
  // 0 when it has no such pair.
  virtual int kerning(uint8_t first, uint8_t second) = 0;
};

// The platform service that turns font descriptions into fonts whose glyphs
// can be drawn. Not safe for use by two threads at once.
class FontRasterizer {
 public:
  virtual ~FontRasterizer() = default;

  // Returns the available font nearest to `request`; nullptr when the
  // platform has no usable font at all.
  virtual std::unique_ptr<RasterFont> createFont(const FontRequest& request) = 0;
};

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_FONT_RASTERIZER_H_
