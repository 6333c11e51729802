#ifndef QUORVEX_PRODUCTS_PART_NUMBER_INDEX_H_
#define QUORVEX_PRODUCTS_PART_NUMBER_INDEX_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "products/extra_item.h"

namespace quorvex {

// Finds product rows by cleaned part number in constant time. The index
// belongs to one row list; it learns of appended rows through appended() and
// of every other change through invalidate(), after which the next lookup
// rebuilds it. It also rebuilds itself when it sees that the list was
// replaced or resized behind its back, and never answers with a row whose
// part number does not match.
class PartNumberIndex {
 public:
  // Returns the position in `rows` of the first row whose cleaned part number
  // equals `cleaned`, or -1.
  int32_t find(const std::vector<CExtraItem>& rows, std::string_view cleaned);

  // Records that the last row of `rows`, whose cleaned part number is
  // `cleaned`, was just appended.
  void appended(const std::vector<CExtraItem>& rows, std::string cleaned);

  // Makes room for `count` part numbers in all, so that adding them does not
  // rehash the index.
  void reserve(size_t count) { positions_.reserve(count); }

  // Forgets everything; the next lookup rebuilds the index.
  void invalidate() { built_ = false; }

 private:
  void rebuild(const std::vector<CExtraItem>& rows);
  bool matches(const std::vector<CExtraItem>& rows) const;

  std::unordered_map<std::string, int32_t> positions_;
  bool built_ = false;
  // What the index was built for, to notice changes made behind its back.
  const CExtraItem* indexedData_ = nullptr;
  size_t indexedSize_ = 0;
};

}  // namespace quorvex

#endif  // QUORVEX_PRODUCTS_PART_NUMBER_INDEX_H_
