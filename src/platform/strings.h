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

// The characters trim() removes by default: those that C's isspace() takes
// in the "C" locale.
inline constexpr std::string_view kWhiteSpace = " \t\n\v\f\r";
// Spaces and tabs.
inline constexpr std::string_view kBlanks = " \t";

// Returns `text` without the characters of `strip` at either end.
std::string_view trim(std::string_view text, std::string_view strip = kWhiteSpace);

// Returns `text` without the characters of `strip` at its end.
std::string_view trimEnd(std::string_view text, std::string_view strip = kWhiteSpace);

// Replaces every occurrence of `from` (not empty) in `text` by `to`, in one
// pass from the left: what `to` inserts is not looked at again. Linear in
// the length of the text.
void replaceAll(std::string& text, std::string_view from, std::string_view to);

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_STRINGS_H_
