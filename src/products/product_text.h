#ifndef QUORVEX_PRODUCTS_PRODUCT_TEXT_H_
#define QUORVEX_PRODUCTS_PRODUCT_TEXT_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvex {

// The cleaning of product values. A row keeps the raw text it was given; these
// functions give the text as it is read out for files, dialogs and the site
// generator, so that the characters that would break the generated scripts,
// the product file or file names never leave the table.

// Returns the part number as read out: a value that is exactly one space
// becomes "_"; otherwise each of ' ; ? \ ` | becomes "_".
std::string cleanPartNumber(std::string_view partNumber);

// Returns whether cleanPartNumber(partNumber) equals `cleaned`, without
// building the cleaned text.
bool cleanPartNumberEquals(std::string_view partNumber, std::string_view cleaned);

// Returns textHash(cleanPartNumber(partNumber)), without building the cleaned
// text. Lets an index of many rows hash their part numbers as read out
// without holding a cleaned copy of each.
uint64_t cleanPartNumberHash(std::string_view partNumber);

// A hash of `text` (64-bit FNV-1a).
uint64_t textHash(std::string_view text);

// Returns the description as read out: each of ? ` | becomes a space.
std::string cleanDescription(std::string_view description);

// Returns a download path or password as read out: each of ? ` | becomes "_".
std::string cleanDownloadText(std::string_view text);

}  // namespace quorvex

#endif  // QUORVEX_PRODUCTS_PRODUCT_TEXT_H_
