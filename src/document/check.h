#ifndef QUORVEX_DOCUMENT_CHECK_H_
#define QUORVEX_DOCUMENT_CHECK_H_

#include <cstdint>
#include <string>

#include "document/record.h"

namespace quorvex {

// One labelled on/off choice: whether the contact page shows the address,
// number or e-mail address named `label`.
class CCheck : public Record {
  QUORVEX_RECORD(CCheck)

 public:
  CCheck() = default;
  CCheck(std::string text, int32_t isChecked) : label(std::move(text)), checked(isChecked) {}

  std::string label;
  // 1: the item is shown; 0: not.
  int32_t checked = 1;

  // Record version 1: label, checked. Another stored version reads nothing
  // more and keeps the defaults.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;
};

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_CHECK_H_
