#ifndef QUORVEX_PLATFORM_STRINGS_H_
#define QUORVEX_PLATFORM_STRINGS_H_

#include <string>
#include <string_view>

namespace quorvex {

// Small text helpers shared by every module. Text is Windows-1252 bytes.

// Comparisons "without regard to case" fold the ASCII letters A-Z and a-z;
// every other byte compares exactly.

// True when `a` and `b` are equal without regard to ASCII case.
bool equalsIgnoreCase(std::string_view a, std::string_view b);

// Returns `text` with the ASCII letters turned to lower case.
std::string toLowerAscii(std::string_view text);

// Replaces every occurrence of `from` (not empty) in `text` by `to`, in one
// pass from the left: what `to` inserts is not looked at again. Linear in
// the length of the text.
void replaceAll(std::string& text, std::string_view from, std::string_view to);

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_STRINGS_H_
