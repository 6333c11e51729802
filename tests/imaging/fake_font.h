#ifndef QUORVEX_TESTS_IMAGING_FAKE_FONT_H_
#define QUORVEX_TESTS_IMAGING_FAKE_FONT_H_

#include <map>
#include <set>
#include <utility>

#include "platform/font_rasterizer.h"

namespace quorvex::testing {

// A font whose glyphs a test defines: every glyph is a solid black box of
// the given coverage; characters without a definition use `fallback`.
class FakeFont : public RasterFont {
 public:
  explicit FakeFont(GlyphMetrics fallback, int coverage = 64)
      : fallback_(fallback), coverage_(coverage) {}

  void define(uint8_t character, GlyphMetrics metrics) { glyphs_[character] = metrics; }
  void setKerning(uint8_t first, uint8_t second, int amount) { kerning_[{first, second}] = amount; }
  void fail(uint8_t character) { failing_.insert(character); }
  // How often each character's bitmap was asked for.
  const std::map<uint8_t, int>& bitmapRequests() const { return bitmapRequests_; }

  bool glyphMetrics(uint8_t character, GlyphMetrics& metrics) override {
    if (failing_.count(character)) return false;
    auto it = glyphs_.find(character);
    metrics = it == glyphs_.end() ? fallback_ : it->second;
    return true;
  }

  bool glyphBitmap(uint8_t character, GlyphBitmap& glyph) override {
    ++bitmapRequests_[character];
    if (!glyphMetrics(character, glyph.metrics)) return false;
    glyph.coverage.assign(
        static_cast<size_t>(glyph.metrics.blackBoxWidth) * glyph.metrics.blackBoxHeight,
        static_cast<uint8_t>(coverage_));
    return true;
  }

  int kerning(uint8_t first, uint8_t second) override {
    auto it = kerning_.find({first, second});
    return it == kerning_.end() ? 0 : it->second;
  }

 private:
  GlyphMetrics fallback_;
  int coverage_;
  std::map<uint8_t, GlyphMetrics> glyphs_;
  std::map<std::pair<uint8_t, uint8_t>, int> kerning_;
  std::set<uint8_t> failing_;
  std::map<uint8_t, int> bitmapRequests_;
};

}  // namespace quorvex::testing

#endif  // QUORVEX_TESTS_IMAGING_FAKE_FONT_H_
