#include "document/contact.h"

#include <string_view>

#include "document/archive.h"
#include "document/field_visitor.h"
#include "document/indexed_list.h"

namespace quorvex {

std::string CContact::withoutHttp(const std::string& url) {
  constexpr std::string_view kHttp = "http://";
  // Appending byte by byte and dropping the prefix whenever the result ends
  // with it removes every occurrence in one linear pass.
  std::string result;
  result.reserve(url.size());
  for (char c : url) {
    result.push_back(c);
    if (result.ends_with(kHttp)) result.resize(result.size() - kHttp.size());
  }
  return result;
}

void CContact::addAddress(CAddress address) { addresses.push_back(std::move(address)); }
bool CContact::replaceAddress(size_t index, CAddress address) {
  return replaceAt(addresses, index, std::move(address));
}
bool CContact::removeAddress(size_t index) { return removeAt(addresses, index); }

void CContact::addPhone(CLabelValue phone) { phones.push_back(std::move(phone)); }
bool CContact::replacePhone(size_t index, CLabelValue phone) {
  return replaceAt(phones, index, std::move(phone));
}
bool CContact::removePhone(size_t index) { return removeAt(phones, index); }

void CContact::addEmail(CLabelValue email) { emails.push_back(std::move(email)); }
bool CContact::replaceEmail(size_t index, CLabelValue email) {
  return replaceAt(emails, index, std::move(email));
}
bool CContact::removeEmail(size_t index) { return removeAt(emails, index); }

void CContact::serialize(Archive& ar) {
  const uint16_t schema = ar.schema();
  if (schema != 1 && schema != 2) {
    ar.fail("CContact schema 1 or 2");
    return;
  }
  if (schema == 2) {
    ar.io(url);
    ar.io(reservedText);
  }
  ar.ioInlineList(addresses);
  ar.ioInlineList(phones);
  ar.ioInlineList(emails);
  if (ar.isLoading()) url = withoutHttp(url);
}

void CContact::visitFields(FieldVisitor& visitor) {
  visitor.field("url", url);
  visitor.field("reservedText", reservedText);
  visitor.field("addresses", addresses);
  visitor.field("phones", phones);
  visitor.field("emails", emails);
}

}  // namespace quorvex
