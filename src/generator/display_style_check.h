#ifndef QUORVEX_GENERATOR_DISPLAY_STYLE_CHECK_H_
#define QUORVEX_GENERATOR_DISPLAY_STYLE_CHECK_H_

#include <filesystem>
#include <string_view>

namespace quorvex {

// Returns whether `text` (a display style's lines joined without line ends)
// is a properly formatted display style. Case is ignored. With the first
// position of "<body" (b), of the head markers (hb, he), the foot markers
// (fb, fe) and the first product block's markers (pb, pe), or -1 for a
// missing one, all of these must hold:
//   - no head begin marker, or a head end marker, both at or after b and the
//     end at or after the begin;
//   - the foot begin marker, when both it and the head end marker are there,
//     at or after the head end marker;
//   - no foot begin marker, or a foot end marker, both at or after b and the
//     end at or after the begin;
//   - the product begin marker, when both it and the foot end marker are
//     there, at or before the foot end marker;
//   - both product markers, at or after b, the end at or after the begin.
// Generation finds the markers only in upper case, so a style that passes
// with lower-case markers still yields no blocks.
bool checkDisplayStyleText(std::string_view text);

// Returns whether the file `path` can be read whole (text_file.h's
// readFileLines()) and its lines, joined without line ends, pass
// checkDisplayStyleText().
bool checkDisplayStyle(const std::filesystem::path& path);

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_DISPLAY_STYLE_CHECK_H_
