#ifndef QUORVEX_DOCUMENT_CONTACT_H_
#define QUORVEX_DOCUMENT_CONTACT_H_

#include <cstddef>
#include <string>
#include <vector>

#include "document/address.h"
#include "document/label_value.h"
#include "document/record.h"

namespace quorvex {

// How the company can be reached: its web address, postal addresses, phone
// and fax numbers and e-mail addresses. Edited by the Location Information
// and Contact Information steps; the contact page lists the entries.
class CContact : public Record {
  QUORVEX_RECORD(CContact)

 public:
  // The web address without "http://".
  std::string url;
  // Kept as stored; nothing shows or sets it.
  std::string reservedText;
  std::vector<CAddress> addresses;
  // Phone and fax numbers.
  std::vector<CLabelValue> phones;
  std::vector<CLabelValue> emails;

  // Returns `url` with every "http://" removed, including one that only forms
  // once an inner one is removed. Other schemes such as "https://" stay.
  static std::string withoutHttp(const std::string& url);

  // Each list: append an entry; replace or remove the entry at an index.
  // Replace and remove return false and change nothing when the index is out
  // of range.
  void addAddress(CAddress address);
  bool replaceAddress(size_t index, CAddress address);
  bool removeAddress(size_t index);
  void addPhone(CLabelValue phone);
  bool replacePhone(size_t index, CLabelValue phone);
  bool removePhone(size_t index);
  void addEmail(CLabelValue email);
  bool replaceEmail(size_t index, CLabelValue email);
  bool removeEmail(size_t index);

  // Schema 2: url, reservedText, then the three inline lists; "http://" is
  // removed from the url after reading. Schema 1 holds only the three lists.
  // Any other schema fails the read.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;

  bool operator==(const CContact&) const = default;
};

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_CONTACT_H_
