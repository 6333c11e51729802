#ifndef QUORVEX_DOCUMENT_FONT_DATA_H_
#define QUORVEX_DOCUMENT_FONT_DATA_H_

#include <cstdint>
#include <string>

#include "document/default_log_font.h"
#include "document/log_font.h"
#include "document/record.h"

namespace quorvex {

// A font for HTML text on a page: face, colour, HTML size and styles, which
// the generator turns into FONT markup, plus the LOGFONT and colour that only
// the font dialog uses. Colours are colour values 0x00BBGGRR.
class CFontData : public Record {
  QUORVEX_RECORD(CFontData)

 public:
  // The colour last chosen in the font dialog.
  int32_t dialogColor = 0;
  // The font dialog's description of the font.
  LogFont logFont = defaultLogFont(20, "Arial");
  // Style flags (0 off, non-zero on). strikeOut is not stored: a font read
  // back from a document has it off.
  int32_t strikeOut = 0;
  int32_t italic = 0;
  int32_t bold = 0;
  int32_t underline = 0;
  int32_t color = 0;
  std::string face = "Arial";
  // The HTML font size, 1 to 7.
  int32_t htmlSize = 4;

  CFontData() = default;

  // Sets face, colour, styles and the HTML size tenthsOfPoint / 40 (8 pt gives
  // 2, 12 pt 3, 16 pt 4, 22 pt 5, 28 pt 7). Leaves logFont and dialogColor.
  void set(const std::string& faceName, int32_t rgb, int32_t tenthsOfPoint, int32_t underlined,
           int32_t bolded, int32_t italicised, int32_t struckOut);

  // Record version 1: bold, color, face, italic, htmlSize, underline,
  // dialogColor, logFont. Another stored version reads nothing more.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;

  bool operator==(const CFontData&) const = default;
};

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_FONT_DATA_H_
