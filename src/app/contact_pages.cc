#include "app/contact_pages.h"

#include "site/contact_page.h"
#include "site/page_data.h"

namespace quorvex {

void syncContactPages(CPageData& pages, const CContact& contact, ContactList lists) {
  for (const Owned<CPage>& page : pages.pages) {
    auto* contactPage = dynamic_cast<CContactPage*>(page.get());
    if (contactPage == nullptr || contactPage->getType() != kContactPageType) continue;
    CContactChecks& checks = contactPage->contactChecks;
    if (lists == ContactList::kAddresses) {
      checks.syncAddresses(contact);
    } else {
      checks.syncPhones(contact);
      checks.syncEmails(contact);
    }
  }
}

}  // namespace quorvex
