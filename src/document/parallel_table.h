#ifndef QUORVEX_DOCUMENT_PARALLEL_TABLE_H_
#define QUORVEX_DOCUMENT_PARALLEL_TABLE_H_

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "document/indexed_list.h"

namespace quorvex {

// N parallel string lists of a record of class Owner seen as one table of
// entries of type Entry: entry i has in member `column.second` the element i
// of the owner's list `column.first`. The lists of a damaged record may
// differ in length; every change first pads the shorter lists with empty
// texts so that the rows stay aligned, and reading treats a missing element
// as empty.
template <class Owner, class Entry, size_t N>
class ParallelTable {
 public:
  using Column = std::pair<std::vector<std::string> Owner::*, std::string Entry::*>;

  constexpr explicit ParallelTable(std::array<Column, N> columns) : columns_(columns) {}

  // The number of entries: the length of the longest list.
  size_t count(const Owner& owner) const {
    size_t longest = 0;
    for (const Column& column : columns_) longest = std::max(longest, (owner.*column.first).size());
    return longest;
  }

  // Entry `index`, or nullopt when `index` is out of range.
  std::optional<Entry> at(const Owner& owner, size_t index) const {
    if (index >= count(owner)) return std::nullopt;
    Entry entry{};
    for (const Column& column : columns_) {
      const std::vector<std::string>& list = owner.*column.first;
      if (index < list.size()) entry.*column.second = list[index];
    }
    return entry;
  }

  void add(Owner& owner, const Entry& entry) const {
    pad(owner);
    for (const Column& column : columns_) (owner.*column.first).push_back(entry.*column.second);
  }

  // Inserts `entry` before entry `index` (at the end when `index` is the
  // count). Returns false and changes nothing when `index` is larger.
  bool insert(Owner& owner, size_t index, const Entry& entry) const {
    pad(owner);
    if (index > count(owner)) return false;
    for (const Column& column : columns_) {
      std::vector<std::string>& list = owner.*column.first;
      list.insert(list.begin() + static_cast<std::ptrdiff_t>(index), entry.*column.second);
    }
    return true;
  }

  // Replaces entry `index`. Returns false and changes nothing when `index`
  // is out of range.
  bool replace(Owner& owner, size_t index, const Entry& entry) const {
    pad(owner);
    if (index >= count(owner)) return false;
    for (const Column& column : columns_) (owner.*column.first)[index] = entry.*column.second;
    return true;
  }

  // Removes entry `index`. Returns false and changes nothing when `index` is
  // out of range.
  bool remove(Owner& owner, size_t index) const {
    pad(owner);
    if (index >= count(owner)) return false;
    for (const Column& column : columns_) removeAt(owner.*column.first, index);
    return true;
  }

  // True when every list has the same length.
  bool aligned(const Owner& owner) const {
    const size_t rows = count(owner);
    return std::all_of(columns_.begin(), columns_.end(), [&](const Column& column) {
      return (owner.*column.first).size() == rows;
    });
  }

  // Pads the shorter lists with empty texts to the length of the longest.
  void pad(Owner& owner) const {
    const size_t rows = count(owner);
    for (const Column& column : columns_) (owner.*column.first).resize(rows);
  }

 private:
  std::array<Column, N> columns_;
};

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_PARALLEL_TABLE_H_
