#ifndef QUORVEX_APP_INDIVIDUAL_PAGES_H_
#define QUORVEX_APP_INDIVIDUAL_PAGES_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

class CExtraFields;
class CIndProdData;
class CIndProdPage;
class CTemplate;

// How the individual product pages follow the products marked for one
// (linkFlag 1). A page's key is its label cleaned like a part number; keys
// compare exactly.

// The marked products of a table, in row order: parallel lists of cleaned
// part numbers and descriptions in output form.
struct MarkedProducts {
  std::vector<std::string> partNumbers;
  std::vector<std::string> descriptions;
};

// Collects the marked products of `table`'s rows.
MarkedProducts markedProducts(const CExtraFields& table);

// Returns the key of `page`.
std::string individualPageKey(const CIndProdPage& page);

// Returns the position of the first page of `pages` whose key is `key`.
std::optional<size_t> findIndividualPage(const CIndProdData& pages, std::string_view key);

// Removes, in list order, every page whose key is not among `partNumbers`.
void removeStalePages(CIndProdData& pages, const std::vector<std::string>& partNumbers);

// Removes the stale pages, then gives every marked product without a page a
// new one (labelled with its part number, styled by `style`, its text the
// product's description), and gives a found page with an empty text the
// description. A text the user wrote stays.
void syncWithProducts(CIndProdData& pages, const MarkedProducts& products, const CTemplate& style);

}  // namespace quorvex

#endif  // QUORVEX_APP_INDIVIDUAL_PAGES_H_
