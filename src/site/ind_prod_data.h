#ifndef QUORVEX_SITE_IND_PROD_DATA_H_
#define QUORVEX_SITE_IND_PROD_DATA_H_

#include <cstddef>
#include <vector>

#include "document/record.h"
#include "site/ind_prod_page.h"

namespace quorvex {

// The settings of the individual product pages: one page record per product
// marked for an individual page. Owns its pages; copies are deep.
class CIndProdData : public Record {
  QUORVEX_RECORD(CIndProdData)

 public:
  std::vector<Owned<CIndProdPage>> productPages;

  size_t count() const { return productPages.size(); }
  // The page at `index`, which must be below count().
  CIndProdPage& pageAt(size_t index) const { return *productPages[index]; }

  // Sets displayedLinks of every page to "ALL".
  void resetDisplayedLinks();

  // productPages as an object list.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;
};

}  // namespace quorvex

#endif  // QUORVEX_SITE_IND_PROD_DATA_H_
