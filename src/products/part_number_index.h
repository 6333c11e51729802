#ifndef QUORVEX_PRODUCTS_PART_NUMBER_INDEX_H_
#define QUORVEX_PRODUCTS_PART_NUMBER_INDEX_H_

#include <cstdint>
#include <string_view>
#include <vector>

#include "products/extra_item.h"

namespace quorvex {

// Finds product rows by cleaned part number in constant time. The index
// belongs to one row list; it learns of appended rows through appended() and
// of every other change through invalidate(), after which the next lookup
// rebuilds it. It also rebuilds itself when it sees that the list was
// replaced or resized behind its back, and never answers with a row whose
// part number does not match.
//
// The index holds no text: an open-addressing table of 8-byte slots, each a
// row position with a part of its part number's hash, compared against the
// row itself. A million rows take 16 MB.
class PartNumberIndex {
 public:
  // Returns the position in `rows` of the first row whose cleaned part number
  // equals `cleaned`, or -1.
  int32_t find(const std::vector<CExtraItem>& rows, std::string_view cleaned);

  // Records that the last row of `rows`, whose cleaned part number is
  // `cleaned`, was just appended.
  void appended(const std::vector<CExtraItem>& rows, std::string_view cleaned);

  // Makes room for `count` part numbers in all, so that adding them to
  // `rows` does not grow the table.
  void reserve(const std::vector<CExtraItem>& rows, size_t count);

  // Forgets everything; the next lookup rebuilds the index.
  void invalidate() { built_ = false; }

 private:
  struct Slot {
    uint32_t hashTag = 0;
    // -1 for an empty slot.
    int32_t position = -1;
  };

  enum class Probe { kFound, kFree, kStale };

  // Indexes `rows` afresh, with room for at least `room` rows.
  void rebuild(const std::vector<CExtraItem>& rows, size_t room = 0);
  bool matches(const std::vector<CExtraItem>& rows) const;
  // Looks for `cleaned` (hash `hash`): sets `slot` to the slot holding its
  // first row (kFound) or to the free slot where it belongs (kFree); kStale
  // when a slot of the same hash holds a row whose part number changed.
  Probe probe(const std::vector<CExtraItem>& rows, std::string_view cleaned, uint64_t hash,
              size_t* slot) const;
  // Enters row `position`, whose cleaned part number is `cleaned`, unless an
  // earlier row has the same part number.
  void insert(const std::vector<CExtraItem>& rows, int32_t position, std::string_view cleaned);

  std::vector<Slot> slots_;
  bool built_ = false;
  // What the index was built for, to notice changes made behind its back.
  const CExtraItem* indexedData_ = nullptr;
  size_t indexedSize_ = 0;
};

}  // namespace quorvex

#endif  // QUORVEX_PRODUCTS_PART_NUMBER_INDEX_H_
