#ifndef QUORVEX_DOCUMENT_LOG_FONT_H_
#define QUORVEX_DOCUMENT_LOG_FONT_H_

#include <cstdint>
#include <string>

namespace quorvex {

class Archive;

// A Windows LOGFONT: the description of a font that font records keep and the
// font dialog edits. The face name is a fixed 32-byte buffer kept exactly as
// held, including whatever follows its terminating zero.
struct LogFont {
  int32_t lfHeight = 0;
  int32_t lfWidth = 0;
  int32_t lfEscapement = 0;
  int32_t lfOrientation = 0;
  int32_t lfWeight = 0;
  uint8_t lfItalic = 0;
  uint8_t lfUnderline = 0;
  uint8_t lfStrikeOut = 0;
  uint8_t lfCharSet = 0;
  uint8_t lfOutPrecision = 0;
  uint8_t lfClipPrecision = 0;
  uint8_t lfQuality = 0;
  uint8_t lfPitchAndFamily = 0;
  char lfFaceName[32] = {};

  // The face name up to its terminating zero.
  std::string faceName() const;
  // Sets the face name (cut to 31 bytes) and zeroes the rest of the buffer.
  void setFaceName(const std::string& name);

  // Stored as the five int32 values, the eight bytes and the 32 bytes of the
  // face name, in declaration order.
  void serialize(Archive& ar);

  bool operator==(const LogFont&) const = default;
};

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_LOG_FONT_H_
