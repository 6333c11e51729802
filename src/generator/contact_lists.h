#ifndef QUORVEX_GENERATOR_CONTACT_LISTS_H_
#define QUORVEX_GENERATOR_CONTACT_LISTS_H_

#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

class CAddress;
class CCheck;
class CContact;
class CLabelValue;
class GenerationContext;

// The contact page's lists of the company's e-mail addresses, phone numbers
// and locations. Each shown entry is its template (emailtemp, phonetemp or
// localtemp, which use the fields `label` and `info`) expanded for that entry,
// followed by a line feed. An entry is shown when its check, looked up by the
// entry's name, is set or when it has none; a list without any set check is
// empty and its template is not read.
//
// The context must outlive it.
class ContactLists {
 public:
  explicit ContactLists(GenerationContext& context) : context_(context) {}

  // The lists of `contact` as the checks choose them.
  std::string emails(const CContact& contact, const std::vector<CCheck>& checks);
  std::string phoneNumbers(const CContact& contact, const std::vector<CCheck>& checks);
  std::string locations(const CContact& contact, const std::vector<CCheck>& checks);

  // The text of an address: its lines with "<br>" breaks, the second line
  // only when it is not empty, city, state and zip code on one line.
  static std::string addressText(const CAddress& address);

 private:
  // One entry as the list shows it: its name and its information.
  struct Entry {
    std::string_view name;
    std::string info;
  };

  std::string list(std::string_view templateName, const std::vector<Entry>& entries,
                   const std::vector<CCheck>& checks);
  static std::vector<Entry> entriesOf(const std::vector<CLabelValue>& values);

  GenerationContext& context_;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_CONTACT_LISTS_H_
