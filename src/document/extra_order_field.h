#ifndef QUORVEX_DOCUMENT_EXTRA_ORDER_FIELD_H_
#define QUORVEX_DOCUMENT_EXTRA_ORDER_FIELD_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/record.h"
#include "platform/status.h"

namespace quorvex {

// An additional input field that the order form asks the customer for. The
// order form page keeps the list of them.
class CExtraOrderField : public Record {
  QUORVEX_RECORD(CExtraOrderField)

 public:
  // The prompt shown beside the input field.
  std::string description;
  // The name of the form field: letters and digits only, unique among the
  // fields and not one of the order form's own fields.
  std::string identifier;
  // The most characters the field accepts.
  std::string maxLength;
  // The width of the input box.
  std::string fieldSize;

  // True when `identifier` is one of the order form's own field names (exact
  // comparison), which an extra field may not take.
  static bool isReservedIdentifier(std::string_view identifier);

  // Checks the entries of the field on their own: fails with the edit
  // dialog's message when one of the four is empty, or when the identifier
  // holds anything but the letters A-Z, a-z and the digits 0-9.
  Status checkEntries() const;

  // Checks that `identifier` may be given to the field at `edited` of
  // `fields` (to a new field when not given): fails with the list dialog's
  // message when it is reserved or another field bears it (exact comparison).
  static Status checkIdentifierAvailable(const std::vector<CExtraOrderField>& fields,
                                         std::string_view identifier, std::optional<size_t> edited);

  // Record version 1: description, identifier, maxLength, fieldSize. Another
  // stored version reads nothing more and keeps the defaults.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;

  bool operator==(const CExtraOrderField&) const = default;
};

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_EXTRA_ORDER_FIELD_H_
