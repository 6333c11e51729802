#include "products/dbase.h"

#include "document/archive.h"

namespace quorvex {

void CDBase::serialize(Archive& ar) {
  const uint16_t schema = ar.isLoading() ? ar.schema() : kSchema;
  if (schema == kSchema) return;
  if (schema != 1 && schema != 2) {
    ar.fail("CDBase of schema 1 to 3, not " + std::to_string(schema));
    return;
  }
  ar.io(sourcePath);
  ar.io(headerLines);
  ar.ioBytes(&delimiter, 1);
  ar.ioBytes(&quoteChar, 1);
  for (int32_t& position : columnPositions) ar.io(position);
  ar.ioStringList(categoryNames);
  ar.ioStringList(categoryDescriptions);
  if (schema == 2) ar.io(inProgram);
}

void CDBase::visitFields(FieldVisitor&) {}

}  // namespace quorvex
