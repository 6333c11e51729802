#ifndef QUORVEX_APP_BUTTON_PREVIEW_H_
#define QUORVEX_APP_BUTTON_PREVIEW_H_

#include <filesystem>
#include <string>
#include <vector>

namespace quorvex {

class CTemplate;
class CTemplateFont;
class Env;

// Sample buttons of a style drawn as the site build draws them (the button
// renderer with the style's pictures, texts and fonts), so that a step can
// show how a change of a font, colour or offset looks. The pictures are
// written to a folder of the preview's own, which it removes when it goes.
class ButtonPreview {
 public:
  // One sample: what it shows and its picture.
  struct Sample {
    enum class Kind { kLink, kPressedLink, kShopping };
    Kind kind;
    std::string caption;
    // The picture to show: a drawn button, or the style's own picture of a
    // shopping button that carries no drawn text; empty when there is no
    // usable picture.
    std::filesystem::path picture;
  };

  // `env` (its program folder and font rasterizer) must outlive the preview.
  explicit ButtonPreview(const Env& env);
  ~ButtonPreview();
  ButtonPreview(const ButtonPreview&) = delete;
  ButtonPreview& operator=(const ButtonPreview&) = delete;

  // Draws the samples of `style`: the page-link button and its pressed form
  // (with the link fonts, when the style's links are buttons), the "buy"
  // and the "view cart" buttons. A later call overwrites the pictures of an
  // earlier one.
  std::vector<Sample> draw(const CTemplate& style);

 private:
  // Draws `text` with `font` onto the stored picture `background`; returns
  // the drawn picture, or an empty path when it could not be made.
  std::filesystem::path drawOne(const std::string& name, const std::string& background,
                                const std::string& text, const CTemplateFont& font);

  const Env& env_;
  std::filesystem::path folder_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_BUTTON_PREVIEW_H_
