#ifndef QUORVEX_DOCUMENT_CONTACT_CHECKS_H_
#define QUORVEX_DOCUMENT_CONTACT_CHECKS_H_

#include <cstdint>
#include <string_view>
#include <vector>

#include "document/check.h"
#include "document/record.h"

namespace quorvex {

class CContact;

// The contact page's choice of which of the company's addresses, phone
// numbers and e-mail addresses it shows: one check per entry of the matching
// CContact list, matched by the entry's name (an address's line1, a phone's
// or e-mail's label).
class CContactChecks : public Record {
  QUORVEX_RECORD(CContactChecks)

 public:
  std::vector<CCheck> addressChecks;
  std::vector<CCheck> phoneChecks;
  std::vector<CCheck> emailChecks;

  // Brings each check list in line with the matching list of `contact`:
  // removes every check whose label names no entry (exact comparison; the
  // others keep their order and value), then appends a shown check for each
  // entry, in list order, whose name has none yet. Entries sharing a name
  // share one check.
  void syncAddresses(const CContact& contact);
  void syncPhones(const CContact& contact);
  void syncEmails(const CContact& contact);

  // Sets `checked` of the first check of `checks` labelled `label` (exact
  // comparison). Returns false when no check has that label.
  static bool setChecked(std::vector<CCheck>& checks, std::string_view label, int32_t checked);

  // Record version 1: emailChecks, phoneChecks, addressChecks (in this
  // order). Another stored version reads nothing more and keeps the lists.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;
};

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_CONTACT_CHECKS_H_
