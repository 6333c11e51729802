#ifndef QUORVEX_SITE_COUNTED_ENTRIES_H_
#define QUORVEX_SITE_COUNTED_ENTRIES_H_

#include <algorithm>
#include <cstdint>

#include "document/archive.h"

namespace quorvex {

// Writes or reads `count` entries of a group of parallel arrays (such as a
// page's link customisations), stored one entry after another. `resize(n)`
// makes every array of the group hold n entries; `ioEntry(i)` writes or reads
// the fields of entry i. A count of 0 or less means no entries.
//
// Storing: the arrays are first made to hold exactly `count` entries, so that
// arrays out of step with their count can never be indexed out of range.
// Loading: the arrays are emptied and grown one entry at a time while the
// archive still reads, so that a damaged count cannot make more entries than
// the stored bytes hold; after a failed read the arrays are empty and `count`
// is 0.
template <class Resize, class IoEntry>
void ioCountedEntries(Archive& ar, int32_t& count, Resize resize, IoEntry ioEntry) {
  const int32_t wanted = std::max<int32_t>(count, 0);
  resize(ar.isLoading() ? 0 : wanted);
  for (int32_t i = 0; i < wanted && ar.ok(); ++i) {
    if (ar.isLoading()) resize(i + 1);
    ioEntry(i);
  }
  if (!ar.ok()) {
    resize(0);
    count = 0;
  }
}

}  // namespace quorvex

#endif  // QUORVEX_SITE_COUNTED_ENTRIES_H_
