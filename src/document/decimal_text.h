#ifndef QUORVEX_DOCUMENT_DECIMAL_TEXT_H_
#define QUORVEX_DOCUMENT_DECIMAL_TEXT_H_

#include <optional>
#include <string_view>

namespace quorvex {

// Amounts, weights and limits are kept as the text the user typed and
// compared as decimal numbers.

// Returns the value of `text` read as a decimal number ("12", "-3.5", ".25",
// with blanks allowed around it), or nullopt when `text` is not one (empty,
// "And Up", "12abc", an exponent form).
std::optional<double> parseDecimal(std::string_view text);

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_DECIMAL_TEXT_H_
