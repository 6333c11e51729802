#include "app/button_preview.h"

#include <atomic>
#include <system_error>
#include <unistd.h>

#include "document/template_font.h"
#include "imaging/button_renderer.h"
#include "platform/env.h"
#include "platform/paths.h"
#include "platform/strings.h"
#include "site/style_template.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

// The text of the sample page link.
constexpr char kLinkText[] = "Home";
constexpr int kJpegQuality = 90;

// A folder name no other preview of any process uses.
fs::path uniqueFolder() {
  static std::atomic<int> count{0};
  return fs::temp_directory_path() /
         ("quorvex-buttons-" + std::to_string(::getpid()) + "-" + std::to_string(++count));
}

}  // namespace

ButtonPreview::ButtonPreview(const Env& env) : env_(env), folder_(uniqueFolder()) {}

ButtonPreview::~ButtonPreview() {
  std::error_code ignored;  // A preview folder left behind harms nobody.
  fs::remove_all(folder_, ignored);
}

fs::path ButtonPreview::drawOne(const std::string& name, const std::string& background,
                                const std::string& text, const CTemplateFont& font) {
  if (background.empty()) return {};
  std::error_code error;
  fs::create_directories(folder_, error);
  if (error) return {};
  const fs::path source = resolveStoredPath(env_.home(), background);
  const bool gif = toLowerAscii(source.extension().string()) == ".gif";
  const fs::path output = folder_ / (name + (gif ? ".gif" : ".jpg"));
  if (renderButton(source, text, font, kJpegQuality, output, env_.fonts()) !=
      ButtonResult::kSaved) {
    return {};
  }
  return output;
}

std::vector<ButtonPreview::Sample> ButtonPreview::draw(const CTemplate& style) {
  std::vector<Sample> samples;
  if (style.buttonLinks != 0) {
    samples.push_back({Sample::Kind::kLink, "Link", drawOne("link", style.linkImage, kLinkText, style.linkFont)});
    const std::string& pressed =
        style.linkPressedImage.empty() ? style.linkImage : style.linkPressedImage;
    samples.push_back({Sample::Kind::kPressedLink, "Pressed link",
                       drawOne("pressed", pressed, kLinkText, style.pressedLinkFont)});
  }
  const auto shopping = [&](const char* caption, const char* name, const std::string& picture,
                            int32_t drawText, const std::string& text) {
    samples.push_back({Sample::Kind::kShopping, caption, drawText != 0 ? drawOne(name, picture, text, style.linkFont)
                                : picture.empty() ? fs::path()
                                                  : resolveStoredPath(env_.home(), picture)});
  };
  shopping("Buy", "buy", style.def_buy_img, style.buy_drawtext, style.buy_text);
  shopping("View cart", "view", style.def_view_img, style.view_drawtext, style.view_text);
  return samples;
}

}  // namespace quorvex
