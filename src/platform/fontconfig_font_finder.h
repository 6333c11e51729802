#ifndef QUORVEX_PLATFORM_FONTCONFIG_FONT_FINDER_H_
#define QUORVEX_PLATFORM_FONTCONFIG_FONT_FINDER_H_

#include <optional>
#include <string>

#include "platform/font_rasterizer.h"

namespace quorvex {

// A scalable font file chosen for a FontRequest.
struct FontFile {
  std::string path;
  int faceIndex = 0;
  // The face is lighter than the request: thicken its glyphs.
  bool embolden = false;
  // The face is upright though the request is italic: slant its glyphs.
  bool oblique = false;
};

// Returns the scalable font file that fontconfig matches to the request's
// face name, weight and slant. An empty face name takes the Windows face of
// the request's family (Times New Roman for roman, Arial for swiss, Courier
// New for modern), else fontconfig's default. nullopt when fontconfig finds
// nothing. Safe to call from any thread.
std::optional<FontFile> findFontFile(const FontRequest& request);

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_FONTCONFIG_FONT_FINDER_H_
