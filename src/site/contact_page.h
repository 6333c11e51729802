#ifndef QUORVEX_SITE_CONTACT_PAGE_H_
#define QUORVEX_SITE_CONTACT_PAGE_H_

#include "document/contact_checks.h"
#include "site/full_page.h"

namespace quorvex {

// The contact page: shows the company's e-mail addresses, phone numbers and
// locations that contactChecks selects.
class CContactPage : public CFullPage {
  QUORVEX_PAGE(CContactPage)

 public:
  CContactChecks contactChecks;

  CContactPage();

  // Own part, record version 1: contactChecks. Another version reads
  // nothing more.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;
};

}  // namespace quorvex

#endif  // QUORVEX_SITE_CONTACT_PAGE_H_
