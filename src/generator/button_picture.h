#ifndef QUORVEX_GENERATOR_BUTTON_PICTURE_H_
#define QUORVEX_GENERATOR_BUTTON_PICTURE_H_

#include <string>

#include "generator/generation_context.h"
#include "imaging/button_renderer.h"

namespace quorvex {

class CTemplateFont;

// Draws `text` in `font` onto the picture `background` (a stored path) and
// saves the button as `name` in the site's images folder, with the server
// preferences' JPEG quality and the environment's fonts. A button that
// cannot be written shows the file error. Returns how the drawing ended.
ButtonResult drawButtonPicture(const GenerationContext& context, const std::string& background,
                               const std::string& text, const CTemplateFont& font,
                               const std::string& name);

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_BUTTON_PICTURE_H_
