#ifndef QUORVEX_IMAGING_BUTTON_RENDERER_H_
#define QUORVEX_IMAGING_BUTTON_RENDERER_H_

#include <filesystem>
#include <string>

#include "document/log_font.h"
#include "document/template_font.h"
#include "platform/font_rasterizer.h"

namespace quorvex {

// Returns the request for the font a LOGFONT describes: its height, width,
// weight, italic flag, pitch and family, and face name. (Proof quality is
// what the rasterizer always draws; underline and strike-out are not part of
// glyph images.)
FontRequest fontRequestFor(const LogFont& logFont);

// How a button render ended.
enum class ButtonResult {
  kSaved,
  // The background has no usable picture: no button can be made from it.
  kUnusableBackground,
  // The picture could not be written (or `output`'s extension names no
  // format the canvas writes).
  kNotSaved,
};

// Makes a button picture: draws `text` (Windows-1252) with the font, colour,
// shadow and offsets of `font` onto the picture `background`, keeping its
// size, and saves it to `output` at `jpegQuality`. The caller names the
// output ".gif" for GIF backgrounds and ".jpg" otherwise; a GIF keeps the
// background's transparency except where the text lies. A text the font
// cannot draw leaves the button without text.
ButtonResult renderButton(const std::filesystem::path& background, const std::string& text,
                          const CTemplateFont& font, int jpegQuality,
                          const std::filesystem::path& output, FontRasterizer& rasterizer);

}  // namespace quorvex

#endif  // QUORVEX_IMAGING_BUTTON_RENDERER_H_
