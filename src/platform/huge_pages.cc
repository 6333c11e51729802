#include "platform/huge_pages.h"

#include <sys/mman.h>

#include <cstdint>

namespace quorvex {

void adviseHugePages(const void* data, size_t bytes) {
  constexpr uintptr_t kHugePage = uintptr_t{2} << 20;
  const auto start = reinterpret_cast<uintptr_t>(data);
  const uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
  const uintptr_t end = (start + bytes) & ~(kHugePage - 1);
  if (data == nullptr || end <= first) return;
  // Advice only: a kernel without transparent huge pages refuses it, and the
  // memory then simply stays in small pages.
  (void)::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
}

}  // namespace quorvex
