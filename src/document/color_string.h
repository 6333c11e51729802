#ifndef QUORVEX_DOCUMENT_COLOR_STRING_H_
#define QUORVEX_DOCUMENT_COLOR_STRING_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvex {

// Colour values are 32-bit ints laid out 0x00BBGGRR (red in the low byte);
// pages keep their colours as colour strings "#rrggbb".

// Returns "#" followed by red, green and blue as two lower-case hexadecimal
// digits each. The top byte of `color` is ignored. Black gives "#000000".
std::string colorToHex(int32_t color);

// Returns the colour value of a colour string: characters 1-2 (counted from
// 0) are red, 3-4 green, 5-6 blue. Each digit is read without regard to case;
// a character that is not a hexadecimal digit, and a character missing from a
// short string, counts as 0. The first character is not examined.
int32_t colorFromHex(std::string_view text);

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_COLOR_STRING_H_
