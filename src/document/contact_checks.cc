#include "document/contact_checks.h"

#include <algorithm>
#include <string>

#include "document/archive.h"
#include "document/contact.h"
#include "document/field_visitor.h"

namespace quorvex {
namespace {

// Makes `checks` hold exactly one check per distinct name of `names`.
void syncChecks(std::vector<CCheck>& checks, const std::vector<std::string>& names) {
  auto isNamed = [&names](const std::string& label) {
    return std::find(names.begin(), names.end(), label) != names.end();
  };
  std::erase_if(checks, [&isNamed](const CCheck& check) { return !isNamed(check.label); });
  for (const std::string& name : names) {
    bool hasCheck = std::any_of(checks.begin(), checks.end(),
                                [&name](const CCheck& check) { return check.label == name; });
    if (!hasCheck) checks.emplace_back(name, 1);
  }
}

template <class Entry, class NameOf>
std::vector<std::string> namesOf(const std::vector<Entry>& entries, NameOf nameOf) {
  std::vector<std::string> names;
  names.reserve(entries.size());
  for (const Entry& entry : entries) names.push_back(nameOf(entry));
  return names;
}

const std::string& labelOf(const CLabelValue& entry) { return entry.label; }

}  // namespace

void CContactChecks::syncAddresses(const CContact& contact) {
  syncChecks(addressChecks,
             namesOf(contact.addresses, [](const CAddress& entry) { return entry.line1; }));
}

void CContactChecks::syncPhones(const CContact& contact) {
  syncChecks(phoneChecks, namesOf(contact.phones, labelOf));
}

void CContactChecks::syncEmails(const CContact& contact) {
  syncChecks(emailChecks, namesOf(contact.emails, labelOf));
}

bool CContactChecks::setChecked(std::vector<CCheck>& checks, std::string_view label,
                                int32_t checked) {
  auto found = std::find_if(checks.begin(), checks.end(),
                            [label](const CCheck& check) { return check.label == label; });
  if (found == checks.end()) return false;
  found->checked = checked;
  return true;
}

void CContactChecks::serialize(Archive& ar) {
  if (ar.recordVersion(1) != 1) return;
  ar.ioInlineList(emailChecks);
  ar.ioInlineList(phoneChecks);
  ar.ioInlineList(addressChecks);
}

void CContactChecks::visitFields(FieldVisitor& visitor) {
  visitor.field("emailChecks", emailChecks);
  visitor.field("phoneChecks", phoneChecks);
  visitor.field("addressChecks", addressChecks);
}

}  // namespace quorvex
