#ifndef QUORVEX_SITE_OFFSET_TEXT_H_
#define QUORVEX_SITE_OFFSET_TEXT_H_

#include <string>
#include <string_view>

namespace quorvex {

// A left margin as pages and styles keep it: a whole number, followed by "%"
// for a percentage of the window width, else pixels ("0%", "20").

// Returns `offset` without trailing blanks and without a trailing "%" (and
// the blanks before it).
std::string offsetNumber(std::string_view offset);

// True when `offset` ends in "%" (trailing blanks ignored).
bool isPercentOffset(std::string_view offset);

// Returns `number` followed by "%" when `percent` is set.
std::string makeOffset(const std::string& number, bool percent);

}  // namespace quorvex

#endif  // QUORVEX_SITE_OFFSET_TEXT_H_
