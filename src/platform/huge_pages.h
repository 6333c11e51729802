#ifndef QUORVEX_PLATFORM_HUGE_PAGES_H_
#define QUORVEX_PLATFORM_HUGE_PAGES_H_

#include <cstddef>

namespace quorvex {

// Asks the kernel to back the memory of a large buffer that is about to be
// filled (`data`, `bytes` long) with huge pages where it can. Filling a few
// hundred megabytes of fresh memory otherwise costs one page fault per 4 KB,
// which dominates the time of reading a large product table. Only the whole
// huge pages inside the buffer are affected; a buffer too small to hold one,
// or a kernel that declines, changes nothing. Purely advice: the contents and
// the validity of the memory never change.
void adviseHugePages(const void* data, size_t bytes);

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_HUGE_PAGES_H_
