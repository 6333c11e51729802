#ifndef QUORVEX_DOCUMENT_LABEL_VALUE_H_
#define QUORVEX_DOCUMENT_LABEL_VALUE_H_

#include <string>

#include "document/record.h"

namespace quorvex {

// A labelled phone/fax number or e-mail address, such as "Sales" and
// "sales@example.com". The label is its name in lists and the label of its
// contact-page check.
class CLabelValue : public Record {
  QUORVEX_RECORD(CLabelValue)

 public:
  CLabelValue() = default;
  CLabelValue(std::string labelText, std::string valueText)
      : label(std::move(labelText)), value(std::move(valueText)) {}

  std::string label;
  std::string value;

  // Record version 1: label, value. Another stored version reads nothing more
  // and keeps the defaults.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;

  bool operator==(const CLabelValue&) const = default;
};

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_LABEL_VALUE_H_
