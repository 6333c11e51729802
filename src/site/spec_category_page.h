#ifndef QUORVEX_SITE_SPEC_CATEGORY_PAGE_H_
#define QUORVEX_SITE_SPEC_CATEGORY_PAGE_H_

#include <string>

#include "site/full_page.h"

namespace quorvex {

// A page that shows the products of one category.
class CSpecCategoryPage : public CFullPage {
  QUORVEX_PAGE(CSpecCategoryPage)

 public:
  // The product category shown (template field whichCategory).
  std::string whichCategory;

  CSpecCategoryPage();

  // Own part, record version 1: whichCategory. Another version reads nothing
  // more.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;

  bool operator==(const CSpecCategoryPage&) const = default;
};

}  // namespace quorvex

#endif  // QUORVEX_SITE_SPEC_CATEGORY_PAGE_H_
