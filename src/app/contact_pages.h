#ifndef QUORVEX_APP_CONTACT_PAGES_H_
#define QUORVEX_APP_CONTACT_PAGES_H_

namespace quorvex {

class CContact;
class CPageData;

// Which checks of the contact pages follow the company's contact lists.
enum class ContactList {
  // The address checks (after the Location Information step).
  kAddresses,
  // The phone and e-mail checks (after the Contact Information step).
  kPhonesAndEmails,
};

// Brings the chosen checks of every contact page of `pages` in line with
// `contact` (CContactChecks' sync operations).
void syncContactPages(CPageData& pages, const CContact& contact, ContactList lists);

}  // namespace quorvex

#endif  // QUORVEX_APP_CONTACT_PAGES_H_
