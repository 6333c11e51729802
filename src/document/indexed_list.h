#ifndef QUORVEX_DOCUMENT_INDEXED_LIST_H_
#define QUORVEX_DOCUMENT_INDEXED_LIST_H_

#include <cstddef>
#include <utility>
#include <vector>

namespace quorvex {

// Replaces the element at `index` of `list` with `element`. Returns false and
// leaves the list unchanged when `index` is out of range.
template <class T>
bool replaceAt(std::vector<T>& list, size_t index, T element) {
  if (index >= list.size()) return false;
  list[index] = std::move(element);
  return true;
}

// Removes the element at `index` of `list`, keeping the order of the others.
// Returns false and leaves the list unchanged when `index` is out of range.
template <class T>
bool removeAt(std::vector<T>& list, size_t index) {
  if (index >= list.size()) return false;
  list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
  return true;
}

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_INDEXED_LIST_H_
