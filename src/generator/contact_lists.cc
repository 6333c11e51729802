#include "generator/contact_lists.h"

#include <algorithm>

#include "document/check.h"
#include "document/contact.h"
#include "generator/generation_context.h"

namespace quorvex {

std::string ContactLists::addressText(const CAddress& address) {
  std::string text = address.line1 + "<br>\n";
  if (!address.line2.empty()) text += address.line2 + "<br>\n";
  text += address.city + ",  " + address.stateProvince + "   " + address.zipPostal + "<br>\n" +
          address.country + "<br><br>\n";
  return text;
}

std::vector<ContactLists::Entry> ContactLists::entriesOf(const std::vector<CLabelValue>& values) {
  std::vector<Entry> entries;
  entries.reserve(values.size());
  for (const CLabelValue& value : values) entries.push_back({value.label, value.value});
  return entries;
}

std::string ContactLists::emails(const CContact& contact, const std::vector<CCheck>& checks) {
  return list("emailtemp", entriesOf(contact.emails), checks);
}

std::string ContactLists::phoneNumbers(const CContact& contact, const std::vector<CCheck>& checks) {
  return list("phonetemp", entriesOf(contact.phones), checks);
}

std::string ContactLists::locations(const CContact& contact, const std::vector<CCheck>& checks) {
  std::vector<Entry> entries;
  for (const CAddress& address : contact.addresses) {
    entries.push_back({address.line1, addressText(address)});
  }
  return list("localtemp", entries, checks);
}

std::string ContactLists::list(std::string_view templateName, const std::vector<Entry>& entries,
                               const std::vector<CCheck>& checks) {
  auto isSet = [](const CCheck& check) { return check.checked == 1; };
  if (std::none_of(checks.begin(), checks.end(), isSet)) return "";
  std::string text;
  context_.loader.loadTemplate(templateName, text, templateName);
  const std::string messageName = std::string(templateName) + ".html";
  std::string result;
  for (const Entry& entry : entries) {
    auto check = std::find_if(checks.begin(), checks.end(),
                              [&](const CCheck& c) { return c.label == entry.name; });
    if (check != checks.end() && !isSet(*check)) continue;
    context_.fields.set("label", std::string(entry.name));
    context_.fields.set("info", entry.info);
    result += context_.expander.expand(text, "", messageName);
    result += "\n";
  }
  return result;
}

}  // namespace quorvex
