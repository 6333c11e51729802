#ifndef QUORVEX_PLATFORM_FREETYPE_FONT_RASTERIZER_H_
#define QUORVEX_PLATFORM_FREETYPE_FONT_RASTERIZER_H_

#include <memory>

#include "platform/font_rasterizer.h"

struct FT_LibraryRec_;

namespace quorvex {

// The font service of this platform: fontconfig picks the font file
// (fontconfig_font_finder.h) and FreeType draws its glyphs, hinted and
// anti-aliased, with the 256 levels of FreeType's coverage turned into 65.
//
// Sizes follow Windows: a negative LOGFONT height is the em size in pixels, a
// positive one the cell height (the face's Windows ascent plus descent), 0 a
// 12-pixel em; em sizes are kept within 1 to 2048 pixels. Underline and
// strike-out are not part of glyph images and play no part. Characters that
// the face lacks are drawn with its missing-glyph box.
//
// Fonts share the FreeType library with the rasterizer that made them and may
// outlive it. One rasterizer and its fonts serve one thread at a time.
class FreetypeFontRasterizer : public FontRasterizer {
 public:
  FreetypeFontRasterizer();
  ~FreetypeFontRasterizer() override;
  FreetypeFontRasterizer(const FreetypeFontRasterizer&) = delete;
  FreetypeFontRasterizer& operator=(const FreetypeFontRasterizer&) = delete;

  std::unique_ptr<RasterFont> createFont(const FontRequest& request) override;

 private:
  // Shared with the fonts made, which may outlive the rasterizer.
  std::shared_ptr<FT_LibraryRec_> library_;
};

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_FREETYPE_FONT_RASTERIZER_H_
