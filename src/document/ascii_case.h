#ifndef QUORVEX_DOCUMENT_ASCII_CASE_H_
#define QUORVEX_DOCUMENT_ASCII_CASE_H_

#include <string>
#include <string_view>

namespace quorvex {

// Comparisons "without regard to case" fold the ASCII letters A-Z and a-z;
// every other byte compares exactly.

// True when `a` and `b` are equal without regard to ASCII case.
bool equalsIgnoreCase(std::string_view a, std::string_view b);

// Returns `text` with the ASCII letters turned to lower case.
std::string toLowerAscii(std::string_view text);

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_ASCII_CASE_H_
