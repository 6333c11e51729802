#include "document/string_array.h"

#include "document/archive.h"
#include "document/field_visitor.h"

namespace quorvex {

void CStringArray::serialize(Archive& ar) { ar.ioStringList(strings); }

void CStringArray::visitFields(FieldVisitor& visitor) { visitor.field("strings", strings); }

}  // namespace quorvex
