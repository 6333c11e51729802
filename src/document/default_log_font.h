#ifndef QUORVEX_DOCUMENT_DEFAULT_LOG_FONT_H_
#define QUORVEX_DOCUMENT_DEFAULT_LOG_FONT_H_

#include <cstdint>
#include <string>

#include "document/log_font.h"

namespace quorvex {

// The LOGFONT that a new font record starts with: the given height and face
// name, normal weight (400), proof quality (2), variable pitch with no family
// preference (0x10), everything else 0.
inline LogFont defaultLogFont(int32_t height, const std::string& face) {
  LogFont font;
  font.lfHeight = height;
  font.lfWeight = 400;
  font.lfQuality = 2;
  font.lfPitchAndFamily = 0x10;
  font.setFaceName(face);
  return font;
}

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_DEFAULT_LOG_FONT_H_
