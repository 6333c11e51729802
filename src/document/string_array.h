#ifndef QUORVEX_DOCUMENT_STRING_ARRAY_H_
#define QUORVEX_DOCUMENT_STRING_ARRAY_H_

#include <string>
#include <vector>

#include "document/record.h"

namespace quorvex {

// A counted string list standing as an object of its own. The document writes
// three empty ones as placeholders and discards whatever such objects hold
// when it reads them.
class CStringArray : public Record {
  QUORVEX_RECORD(CStringArray)

 public:
  std::vector<std::string> strings;

  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;
};

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_STRING_ARRAY_H_
