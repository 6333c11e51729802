#include "document/template_font.h"

#include "document/archive.h"
#include "document/field_visitor.h"

namespace quorvex {

void CTemplateFont::serialize(Archive& ar) {
  if (ar.recordVersion(1) != 1) return;
  ar.io(shadow);
  ar.io(shadowDepth);
  ar.io(offsetX);
  ar.io(offsetY);
  logFont.serialize(ar);
  ar.io(color);
}

void CTemplateFont::visitFields(FieldVisitor& visitor) {
  visitor.field("shadow", shadow);
  visitor.field("shadowDepth", shadowDepth);
  visitor.field("offsetX", offsetX);
  visitor.field("offsetY", offsetY);
  visitor.field("logFont", logFont);
  visitor.field("color", color);
}

}  // namespace quorvex
