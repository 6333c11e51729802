#ifndef QUORVEX_IMAGING_FONT_MARKUP_H_
#define QUORVEX_IMAGING_FONT_MARKUP_H_

#include <string>
#include <string_view>

#include "document/color_string.h"  // colorToHex(), the colour notation of the markup
#include "document/font_data.h"

namespace quorvex {

// Returns `text` wrapped in the FONT markup of `font`:
//   <FONT face="F" color="#rrggbb" size="N">, then <B>, <I>, <U>, <DEL> for
//   bold, italic, underline and strike-out (in this order), the text, the
//   closing tags in the same order (</B> before </I>, not nested), </FONT>.
// The text is inserted unchanged: callers escape it and convert its line
// breaks. Every attribute is written, also an empty face.
std::string toHtml(const CFontData& font, std::string_view text);

}  // namespace quorvex

#endif  // QUORVEX_IMAGING_FONT_MARKUP_H_
