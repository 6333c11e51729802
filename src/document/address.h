#ifndef QUORVEX_DOCUMENT_ADDRESS_H_
#define QUORVEX_DOCUMENT_ADDRESS_H_

#include <string>

#include "document/record.h"

namespace quorvex {

// One postal address of the company. Its first line is also its name in lists
// and the label of its contact-page check.
class CAddress : public Record {
  QUORVEX_RECORD(CAddress)

 public:
  std::string line1;
  std::string line2;
  std::string city;
  std::string stateProvince;
  std::string zipPostal;
  std::string country;

  // Record version 1: the six lines. Another stored version reads nothing
  // more and keeps the defaults.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;

  bool operator==(const CAddress&) const = default;
};

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_ADDRESS_H_
