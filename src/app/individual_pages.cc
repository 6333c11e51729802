#include "app/individual_pages.h"

#include <algorithm>

#include "products/extra_fields.h"
#include "products/product_text.h"
#include "site/ind_prod_data.h"
#include "site/style_applier.h"
#include "site/style_template.h"

namespace quorvex {

MarkedProducts markedProducts(const CExtraFields& table) {
  MarkedProducts marked;
  for (const CExtraItem& row : table.rows) {
    if (row.linkFlag != 1) continue;
    marked.partNumbers.push_back(cleanPartNumber(row.partNumber));
    marked.descriptions.push_back(cleanDescription(row.description));
  }
  return marked;
}

std::string individualPageKey(const CIndProdPage& page) { return cleanPartNumber(page.label); }

std::optional<size_t> findIndividualPage(const CIndProdData& pages, std::string_view key) {
  for (size_t i = 0; i < pages.count(); ++i) {
    if (individualPageKey(pages.pageAt(i)) == key) return i;
  }
  return std::nullopt;
}

void removeStalePages(CIndProdData& pages, const std::vector<std::string>& partNumbers) {
  std::erase_if(pages.productPages, [&](const Owned<CIndProdPage>& page) {
    return std::find(partNumbers.begin(), partNumbers.end(), individualPageKey(*page)) ==
           partNumbers.end();
  });
}

void syncWithProducts(CIndProdData& pages, const MarkedProducts& products, const CTemplate& style) {
  removeStalePages(pages, products.partNumbers);
  for (size_t i = 0; i < products.partNumbers.size(); ++i) {
    const std::string& description = products.descriptions[i];
    if (std::optional<size_t> found = findIndividualPage(pages, products.partNumbers[i])) {
      CIndProdPage& page = pages.pageAt(*found);
      if (page.mainText.empty()) page.mainText = description;
      continue;
    }
    Owned<CIndProdPage> page = makeOwned<CIndProdPage>();
    page->label = products.partNumbers[i];
    applyStyleToPage(style, *page);
    page->mainText = description;
    pages.productPages.push_back(std::move(page));
  }
}

}  // namespace quorvex
