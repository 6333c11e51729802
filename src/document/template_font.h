#ifndef QUORVEX_DOCUMENT_TEMPLATE_FONT_H_
#define QUORVEX_DOCUMENT_TEMPLATE_FONT_H_

#include <cstdint>

#include "document/default_log_font.h"
#include "document/log_font.h"
#include "document/record.h"

namespace quorvex {

// The text settings of a button picture: the font drawn onto the button, its
// colour (0x00BBGGRR), an optional shadow and a shift of the text.
class CTemplateFont : public Record {
  QUORVEX_RECORD(CTemplateFont)

 public:
  // Draw a shadow behind the text (flag), shadowDepth pixels away.
  int32_t shadow = 1;
  int32_t shadowDepth = 1;
  // Horizontal and vertical shift of the text in pixels.
  int32_t offsetX = 0;
  int32_t offsetY = 0;
  LogFont logFont = defaultLogFont(15, "");
  int32_t color = 0;

  // Record version 1: shadow, shadowDepth, offsetX, offsetY, logFont, color.
  // Another stored version reads nothing more.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;

  bool operator==(const CTemplateFont&) const = default;
};

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_TEMPLATE_FONT_H_
