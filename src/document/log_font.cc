#include "document/log_font.h"

#include <cstring>

#include "document/archive.h"

namespace quorvex {

std::string LogFont::faceName() const {
  return std::string(lfFaceName, strnlen(lfFaceName, sizeof(lfFaceName)));
}

void LogFont::setFaceName(const std::string& name) {
  std::memset(lfFaceName, 0, sizeof(lfFaceName));
  std::memcpy(lfFaceName, name.data(), std::min(name.size(), sizeof(lfFaceName) - 1));
}

void LogFont::serialize(Archive& ar) {
  for (int32_t* value : {&lfHeight, &lfWidth, &lfEscapement, &lfOrientation, &lfWeight}) {
    ar.io(*value);
  }
  for (uint8_t* value : {&lfItalic, &lfUnderline, &lfStrikeOut, &lfCharSet, &lfOutPrecision,
                         &lfClipPrecision, &lfQuality, &lfPitchAndFamily}) {
    ar.io(*value);
  }
  ar.ioBytes(lfFaceName, sizeof(lfFaceName));
}

}  // namespace quorvex
