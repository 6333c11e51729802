#ifndef QUORVEX_GENERATOR_TEXT_HELPERS_H_
#define QUORVEX_GENERATOR_TEXT_HELPERS_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace quorvex {

// The small text conversions every part of the site generator shares. Texts
// are Windows-1252 bytes; nothing here converts code pages.

// Returns `text` ready to stand inside a quoted JavaScript string: a single
// space for an empty text; otherwise CR and LF become spaces and each of
// " ' ( ) [ ] { } \ gets a backslash in front.
std::string scriptEscape(std::string_view text);

// Returns `text` ready to stand inside a quoted string of the tax data: a
// single space for an empty text; otherwise each of " ' ( ) [ ] { } gets a
// backslash in front, and everything else (backslashes, CR and LF
// included) is kept as it is.
std::string taxEscape(std::string_view text);

// Returns `text` with every line feed turned into "<BR>" and a line feed.
std::string convertLineBreaks(std::string_view text);

// Returns the part of `path` after its last "\" or "/"; the whole text when it
// has neither.
std::string lastPathComponent(std::string_view path);

// Returns `path` with each space, "#", "%" and "'" of its last component
// turned into "_", so that the name can stand in a URL unquoted.
std::string cleanFileName(std::string_view path);

// Returns the name under which a picture is kept in a site's images folder:
// the cleaned name (cleanFileName), with its extension replaced by ".jpg"
// unless it is gif, jpg or jpeg in any case (a name without extension gets
// ".jpg" appended). Pictures of other formats are converted to JPEG.
std::string webImageName(std::string_view path);

// Returns the extension of the last component of `path`: the text after its
// last ".", in ASCII lower case; "" when it has none.
std::string lowerExtension(std::string_view path);

// Returns the name of a reduced copy of the picture `path` made for `label`:
// the cleaned last component (cleanFileName) without its extension, "-",
// the label, then ".gif" for a GIF picture and ".jpg" for any other. A name
// whose only "." is its first character counts as having neither base nor
// extension.
std::string reducedImageName(std::string_view path, std::string_view label);

// Returns only the characters 0-9, A-Z and a-z of `text`. With `withPrefix`,
// two letters go in front: with S the sum of all bytes of `text` taken as
// signed 8-bit values, as an unsigned 32-bit number, 'A' + S mod 26 and
// 'B' + S mod 25. Used to make identifiers and file names from free text.
std::string checkedName(std::string_view text, bool withPrefix);

// Returns the decimal integer at the start of `text` (optional blanks and a
// sign, then digits); 0 when there are no digits. Saturates instead of
// overflowing.
int32_t leadingInteger(std::string_view text);

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_TEXT_HELPERS_H_
