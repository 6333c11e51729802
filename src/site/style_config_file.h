#ifndef QUORVEX_SITE_STYLE_CONFIG_FILE_H_
#define QUORVEX_SITE_STYLE_CONFIG_FILE_H_

#include <string>
#include <string_view>

namespace quorvex {

class CTemplate;

// A style's configuration file: one "key=value" line per setting of a
// CTemplate (back_image, def_home_img, ..., back_color, ..., buy_text, ...,
// buy_drawtext, ..., pagelink_on, pagelink_fontcolors ... pagelink_facename,
// pressedlink_on, pressedlink_fontcolors ... pressedlink_facename).

// Returns the configuration text of `style`: every key in the fixed order,
// each line ending with CR LF. Draw-text flags are written "yes" or "no",
// numbers in decimal, the link fonts as their colour, shadow, shadow
// distance, offsets, the thirteen LOGFONT numbers and the face name.
std::string writeStyleConfig(const CTemplate& style);

// Sets the settings of `style` that the lines of `text` name. A line without
// "=" is ignored; the key (before the first "=") is trimmed and compared in
// lower case, the value is trimmed; unknown keys are ignored and a key given
// twice takes its last value. A draw-text flag is on only for "yes"; numbers
// are read from their leading digits (0 without any); a face name is cut to
// 31 characters; a colour is put in the form "#RRGGBB" (a "#" is added to a
// value shorter than 7 characters) and replaced by the key's default when it
// is too short or holds a character that is not a hexadecimal digit.
// pressedlink_on is not read. Settings the text does not name keep their
// values.
void readStyleConfig(std::string_view text, CTemplate& style);

}  // namespace quorvex

#endif  // QUORVEX_SITE_STYLE_CONFIG_FILE_H_
