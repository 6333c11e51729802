#ifndef QUORVEX_GENERATOR_COMMERCE_TEXT_H_
#define QUORVEX_GENERATOR_COMMERCE_TEXT_H_

#include <string>
#include <string_view>

namespace quorvex {

// Text conversions of the shop's commerce data (taxes, shipping charges).
// Amounts are kept as the text the user typed; these helpers reduce them to
// what the shopping cart's script can read.

// Returns only the characters 0-9 and "." of `text`.
std::string chargeDigits(std::string_view text);

// Returns the value of a text made by chargeDigits(): the decimal number at
// its start ("12.5" gives 12.5, "1.2.3" gives 1.2); 0 for an empty text,
// one without digits, or one too large or too small for a double.
double chargeValue(std::string_view digits);

// Returns `amount` with exactly two decimals and a point, without sign or
// thousands separators, and without a leading zero below 1: 0.5 gives ".50",
// 12.5 gives "12.50". A negative amount is written as its magnitude, an
// infinite one as ".00".
std::string money(double amount);

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_COMMERCE_TEXT_H_
