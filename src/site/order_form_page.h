#ifndef QUORVEX_SITE_ORDER_FORM_PAGE_H_
#define QUORVEX_SITE_ORDER_FORM_PAGE_H_

#include <vector>

#include "document/extra_order_field.h"
#include "site/full_page.h"

namespace quorvex {

// The order form page, with the extra fields it asks the customer for.
class COrderFormPage : public CFullPage {
  QUORVEX_PAGE(COrderFormPage)

 public:
  // The extra input fields of the order form, in order.
  std::vector<CExtraOrderField> extraFields;

  COrderFormPage();

  // Own part, record version 2: extraFields as an inline list. Version 1
  // holds no list; another version reads nothing more.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;

  bool operator==(const COrderFormPage&) const = default;
};

}  // namespace quorvex

#endif  // QUORVEX_SITE_ORDER_FORM_PAGE_H_
