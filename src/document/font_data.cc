#include "document/font_data.h"

#include "document/archive.h"
#include "document/field_visitor.h"

namespace quorvex {

void CFontData::set(const std::string& faceName, int32_t rgb, int32_t tenthsOfPoint,
                    int32_t underlined, int32_t bolded, int32_t italicised, int32_t struckOut) {
  face = faceName;
  color = rgb;
  htmlSize = tenthsOfPoint / 40;
  underline = underlined;
  bold = bolded;
  italic = italicised;
  strikeOut = struckOut;
}

void CFontData::serialize(Archive& ar) {
  if (ar.isLoading()) strikeOut = 0;
  if (ar.recordVersion(1) != 1) return;
  ar.io(bold);
  ar.io(color);
  ar.io(face);
  ar.io(italic);
  ar.io(htmlSize);
  ar.io(underline);
  ar.io(dialogColor);
  logFont.serialize(ar);
}

void CFontData::visitFields(FieldVisitor& visitor) {
  visitor.field("bold", bold);
  visitor.field("color", color);
  visitor.field("face", face);
  visitor.field("italic", italic);
  visitor.field("htmlSize", htmlSize);
  visitor.field("underline", underline);
  visitor.field("dialogColor", dialogColor);
  visitor.field("logFont", logFont);
}

}  // namespace quorvex
