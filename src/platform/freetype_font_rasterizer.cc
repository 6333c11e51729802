#include "platform/freetype_font_rasterizer.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "platform/fontconfig_font_finder.h"
#include "platform/text_encoding.h"

namespace quorvex {

namespace {

constexpr int kDefaultEmPixels = 12;
constexpr int kMaxEmPixels = 2048;

// The Unicode code point of each Windows-1252 byte.
uint32_t unicodeOf(uint8_t character) {
  static const std::array<uint32_t, 256> table = [] {
    std::array<uint32_t, 256> points{};
    for (int byte = 0; byte < 256; ++byte) {
      std::string utf8 = cp1252ToUtf8(std::string(1, static_cast<char>(byte)));
      auto unit = [&](size_t i) { return static_cast<uint32_t>(static_cast<uint8_t>(utf8[i])); };
      if (utf8.size() == 1) points[byte] = unit(0);
      if (utf8.size() == 2) points[byte] = (unit(0) & 0x1F) << 6 | (unit(1) & 0x3F);
      if (utf8.size() == 3) {
        points[byte] = (unit(0) & 0x0F) << 12 | (unit(1) & 0x3F) << 6 | (unit(2) & 0x3F);
      }
    }
    return points;
  }();
  return table[character];
}

int clampEm(double pixels) {
  return static_cast<int>(std::clamp(std::round(pixels), 1.0, double{kMaxEmPixels}));
}

// The em size in pixels of a LOGFONT height (see the class comment).
int emPixels(FT_Face face, int height) {
  if (height == 0) return kDefaultEmPixels;
  if (height < 0) return clampEm(-static_cast<double>(height));
  double cell = static_cast<double>(face->ascender) - face->descender;
  auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (os2 != nullptr && os2->usWinAscent + os2->usWinDescent > 0) {
    cell = os2->usWinAscent + os2->usWinDescent;
  }
  if (cell <= 0) return clampEm(height);
  return clampEm(static_cast<double>(height) * face->units_per_EM / cell);
}

// The horizontal em size for a LOGFONT width: scaled so that the face's
// average character width becomes `width` pixels.
int emWidthPixels(FT_Face face, int width, int emHeight) {
  auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  if (width == 0 || os2 == nullptr || os2->xAvgCharWidth <= 0) return emHeight;
  return clampEm(std::abs(static_cast<double>(width)) * face->units_per_EM / os2->xAvgCharWidth);
}

class FreetypeRasterFont : public RasterFont {
 public:
  // Takes the ownership of `face`, made by `library`.
  FreetypeRasterFont(std::shared_ptr<FT_LibraryRec_> library, FT_Face face, const FontFile& file)
      : library_(std::move(library)),
        face_(face),
        embolden_(file.embolden),
        oblique_(file.oblique) {}
  ~FreetypeRasterFont() override { FT_Done_Face(face_); }
  FreetypeRasterFont(const FreetypeRasterFont&) = delete;
  FreetypeRasterFont& operator=(const FreetypeRasterFont&) = delete;

  bool glyphMetrics(uint8_t character, GlyphMetrics& metrics) override {
    if (!renderGlyph(character)) return false;
    const FT_GlyphSlot slot = face_->glyph;
    metrics.blackBoxWidth = static_cast<int>(slot->bitmap.width);
    metrics.blackBoxHeight = static_cast<int>(slot->bitmap.rows);
    metrics.originX = slot->bitmap_left;
    metrics.originY = slot->bitmap_top;
    metrics.cellIncX = static_cast<int>((slot->advance.x + 32) >> 6);
    return true;
  }

  bool glyphBitmap(uint8_t character, GlyphBitmap& glyph) override {
    if (!glyphMetrics(character, glyph.metrics)) return false;
    const FT_Bitmap& bitmap = face_->glyph->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY) return false;
    int width = glyph.metrics.blackBoxWidth;
    glyph.coverage.assign(static_cast<size_t>(width) * glyph.metrics.blackBoxHeight, 0);
    int levels = std::max(1, bitmap.num_grays - 1);
    for (int y = 0; y < glyph.metrics.blackBoxHeight; ++y) {
      const unsigned char* source = bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch;
      for (int x = 0; x < width; ++x) {
        glyph.coverage[static_cast<size_t>(y) * width + x] =
            static_cast<uint8_t>((source[x] * 64 + levels / 2) / levels);
      }
    }
    return true;
  }

  int kerning(uint8_t first, uint8_t second) override {
    FT_Vector amount{0, 0};
    if (FT_Get_Kerning(face_, FT_Get_Char_Index(face_, unicodeOf(first)),
                       FT_Get_Char_Index(face_, unicodeOf(second)), FT_KERNING_UNFITTED,
                       &amount) != 0) {
      return 0;
    }
    return static_cast<int>((amount.x + 32) >> 6);
  }

 private:
  // Loads, synthesises and renders the glyph of `character` into the face's
  // glyph slot.
  bool renderGlyph(uint8_t character) {
    FT_UInt index = FT_Get_Char_Index(face_, unicodeOf(character));
    if (FT_Load_Glyph(face_, index, FT_LOAD_NO_BITMAP) != 0) return false;
    if (oblique_) FT_GlyphSlot_Oblique(face_->glyph);
    if (embolden_) FT_GlyphSlot_Embolden(face_->glyph);
    return FT_Render_Glyph(face_->glyph, FT_RENDER_MODE_NORMAL) == 0;
  }

  std::shared_ptr<FT_LibraryRec_> library_;
  FT_Face face_;
  bool embolden_;
  bool oblique_;
};

}  // namespace

FreetypeFontRasterizer::FreetypeFontRasterizer() {
  FT_Library library;
  if (FT_Init_FreeType(&library) == 0) library_.reset(library, FT_Done_FreeType);
}

FreetypeFontRasterizer::~FreetypeFontRasterizer() = default;

std::unique_ptr<RasterFont> FreetypeFontRasterizer::createFont(const FontRequest& request) {
  if (library_ == nullptr) return nullptr;
  std::optional<FontFile> file = findFontFile(request);
  if (!file) return nullptr;
  FT_Face face;
  if (FT_New_Face(library_.get(), file->path.c_str(), file->faceIndex, &face) != 0) return nullptr;
  int emHeight = emPixels(face, request.height);
  if (FT_Set_Pixel_Sizes(face, emWidthPixels(face, request.width, emHeight), emHeight) != 0) {
    FT_Done_Face(face);
    return nullptr;
  }
  return std::make_unique<FreetypeRasterFont>(library_, face, *file);
}

}  // namespace quorvex
