#include "generator/link_buttons.h"

#include <algorithm>

#include "company/brenquil_doc.h"
#include "generator/button_picture.h"
#include "generator/generation_context.h"
#include "generator/text_helpers.h"
#include "imaging/button_renderer.h"
#include "platform/prompter.h"
#include "site/page.h"

namespace quorvex {

namespace {

// `name` up to its last "."; all of it when it has none.
std::string_view withoutExtension(std::string_view name) {
  const size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? name : name.substr(0, dot);
}

}  // namespace

int LinkButtons::customisation(const CPage* record, std::string_view target) {
  if (!record) return -1;
  const size_t usable = std::min({record->linkTargets.size(), record->linkFonts.size(),
                                  record->linkPressedFonts.size(), record->linkImages.size(),
                                  record->linkPressedImages.size()});
  for (size_t i = 0; i < usable; ++i) {
    if (record->linkTargets[i] == target) return static_cast<int>(i);
  }
  return -1;
}

bool LinkButtons::hasCustomisedLinks(const CPage* record) {
  return record && record->linkCount > 0;
}

bool LinkButtons::styleHasButtons() const {
  const CTemplate& style = *context_.doc.m_pTemplate;
  return style.buttonLinks != 0 && !style.linkImage.empty();
}

bool LinkButtons::wantsPressed(const CPage* record) const {
  return !context_.doc.m_pTemplate->linkPressedImage.empty() || hasCustomisedLinks(record);
}

std::optional<LinkButton> LinkButtons::render(const LinkButtonRequest& request) {
  const CTemplate& style = *context_.doc.m_pTemplate;
  const int custom = customisation(request.record, request.target);
  const std::string* background = request.pressed ? &style.linkPressedImage : &style.linkImage;
  const CTemplateFont* font = request.pressed ? &style.pressedLinkFont : &style.linkFont;
  std::string name;
  std::string scriptSource = request.text;
  if (custom >= 0) {
    const CPage& record = *request.record;
    const size_t index = static_cast<size_t>(custom);
    background = request.pressed ? &record.linkPressedImages[index] : &record.linkImages[index];
    font = request.pressed ? &record.linkPressedFonts[index] : &record.linkFonts[index];
    name = record.label + "-";
    scriptSource = record.label + request.text;
  }
  if (request.pressed && background->empty()) return std::nullopt;
  name += std::string(withoutExtension(request.baseName)) + "-link" +
          (request.pressed ? "-ON" : "") + (lowerExtension(*background) == "gif" ? ".gif" : ".jpg");
  name = lastPathComponent(cleanFileName(name));

  const ImageSize size = backgroundSize(*background);
  if (!size.known()) {
    reportFailure(*background);
    return std::nullopt;
  }
  if (context_.producedImages.insert(name).second &&
      !draw(*background, request.text, *font, name)) {
    context_.producedImages.erase(name);
    reportFailure(*background);
    return std::nullopt;
  }
  const SiteFolders& folders = context_.folders;
  context_.enterFile(FileLists::kBoth, *background, folders.imagesFile(name), name,
                     folders.imagesRemoteFolder(), 1, 0);
  return LinkButton{name, checkedName(scriptSource, true), size.width, size.height};
}

bool LinkButtons::draw(const std::string& background, const std::string& text,
                       const CTemplateFont& font, const std::string& name) {
  context_.setProgress("Outputting button images...");
  ++rendered_;
  const ButtonResult result = drawButtonPicture(context_, background, text, font, name);
  return result != ButtonResult::kUnusableBackground;
}

ImageSize LinkButtons::backgroundSize(const std::string& background) {
  auto [entry, isNew] = backgroundSizes_.try_emplace(background);
  if (isNew && !background.empty()) entry->second = imageSize(context_.folders.native(background));
  return entry->second;
}

void LinkButtons::reportFailure(const std::string& background) {
  if (failureShown_) return;
  failureShown_ = true;
  context_.prompter().showMessage("WARNING: File \"" + background +
                                  "\" does not seem to be a valid image.\nNo page links will be "
                                  "output.");
}

}  // namespace quorvex
