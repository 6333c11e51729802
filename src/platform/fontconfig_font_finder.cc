#include "platform/fontconfig_font_finder.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "platform/text_encoding.h"

namespace quorvex {

namespace {

struct PatternFree {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using Pattern = std::unique_ptr<FcPattern, PatternFree>;

// The face Windows gives an empty face name of the family in the high nibble
// of a LOGFONT pitch-and-family byte.
const char* familyFace(int pitchAndFamily) {
  switch (pitchAndFamily >> 4 & 0xF) {
    case 1:
      return "Times New Roman";
    case 2:
      return "Arial";
    case 3:
      return "Courier New";
    case 4:
      return "cursive";
    case 5:
      return "fantasy";
    default:
      return nullptr;
  }
}

// Loads fontconfig's configuration once, and releases it when the program
// ends.
bool initFontconfig() {
  static const bool initialised = [] {
    if (FcInit() != FcTrue) return false;
    std::atexit(FcFini);
    return true;
  }();
  return initialised;
}

}  // namespace

std::optional<FontFile> findFontFile(const FontRequest& request) {
  if (!initFontconfig()) return std::nullopt;
  Pattern pattern(FcPatternCreate());
  if (!pattern) return std::nullopt;
  std::string face = request.faceName.empty() ? "" : cp1252ToUtf8(request.faceName);
  if (face.empty() && familyFace(request.pitchAndFamily) != nullptr) {
    face = familyFace(request.pitchAndFamily);
  }
  if (!face.empty()) {
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(face.c_str()));
  }
  int weight = request.weight <= 0 ? 400 : std::min(request.weight, 1000);
  FcPatternAddDouble(pattern.get(), FC_WEIGHT, FcWeightFromOpenTypeDouble(weight));
  FcPatternAddInteger(pattern.get(), FC_SLANT, request.italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result;
  Pattern match(FcFontMatch(nullptr, pattern.get(), &result));
  if (!match) return std::nullopt;

  FontFile file;
  FcChar8* path = nullptr;
  if (FcPatternGetString(match.get(), FC_FILE, 0, &path) != FcResultMatch) return std::nullopt;
  file.path = reinterpret_cast<const char*>(path);
  FcPatternGetInteger(match.get(), FC_INDEX, 0, &file.faceIndex);
  FcBool embolden = FcFalse;
  FcPatternGetBool(match.get(), FC_EMBOLDEN, 0, &embolden);
  file.embolden = embolden == FcTrue;
  int slant = FC_SLANT_ROMAN;
  FcPatternGetInteger(match.get(), FC_SLANT, 0, &slant);
  file.oblique = request.italic && slant == FC_SLANT_ROMAN;
  return file;
}

}  // namespace quorvex
