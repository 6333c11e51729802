#include "app/style_choice.h"

#include <system_error>

#include "company/brenquil_doc.h"
#include "platform/paths.h"
#include "platform/strings.h"
#include "site/page_data.h"
#include "site/style_applier.h"
#include "site/template_folder_util.h"

namespace quorvex {

namespace fs = std::filesystem;

StyleChoice::StyleChoice(const Env& env, const CTemplate& style)
    : env_(env), style_(style), folder_(env, style_), initialName_(style.currentName) {}

bool StyleChoice::hasPages(const CPageData& pages, Prompter& prompter) {
  const Status status = pages.checkHasPages();
  if (!status.ok()) prompter.showMessage(status.message());
  return status.ok();
}

void StyleChoice::open() {
  selected_ = folder_.scan() && folder_.load(style_.currentIndex);
  if (!selected_) {
    env_.prompter().showMessage(
        "The last style chosen could not be found.\nPlease, select the style you intended to "
        "use.");
  }
  notifyChanged();
}

bool StyleChoice::choose(int32_t index) {
  selected_ = index >= 0 && folder_.load(index);
  notifyChanged();
  return selected_;
}

bool StyleChoice::beginCustomize() {
  if (!selected_) {
    env_.prompter().showMessage("Please select a style to Customize.");
    return false;
  }
  if (folder_.isPermanent()) {
    // A copy that failed has shown its file error; the permanent style stays
    // selected and is not edited.
    if (!folder_.addStyle(folder_.newName())) return false;
    env_.prompter().showMessage(
        "The style you have selected cannot be directly edited,\nbut it has been copied to a "
        "new style so that you may edit it.",
        PromptIcon::kInformation);
    notifyChanged();
  }
  return true;
}

bool StyleChoice::acceptAttributes(const std::string& name, std::optional<PictureSize> button,
                                   std::optional<PictureSize> pressed, Prompter& prompter) {
  if (!acceptTemplateName(name, "Style", "Please, enter a name for your style.", prompter)) {
    return false;
  }
  if (button && pressed &&
      (button->width != pressed->width || button->height != pressed->height)) {
    prompter.showMessage(
        "WARNING: The button image and pressed image are different sizes.\nThis may cause "
        "misalignment of text and stretching of one image by the browser.");
  }
  return true;
}

bool StyleChoice::finishCustomize(const CTemplate& edited, const std::string& name) {
  const std::string trimmed(trim(name, kBlanks));
  if (!acceptFreeTemplateName(trimmed, style_.currentName, style_.styleNames, "Style",
                              env_.prompter())) {
    return false;
  }
  style_.copySettingsFrom(edited);
  const bool renamed = folder_.rename(trimmed);
  notifyChanged();
  // A failed rename has shown its message; the dialog closes all the same.
  if (!renamed) return true;
  const fs::path styles = env_.home() / StyleTemplateFolder::kFolderName;
  std::optional<fs::path> own = entryPath(styles, style_.currentName);
  std::optional<fs::path> config =
      own ? findCaseInsensitive(*own, StyleTemplateFolder::kFolderConfigName) : std::nullopt;
  if (config) {
    std::error_code ignored;  // the .cfg file, just written, describes the style either way
    fs::remove(*config, ignored);
  }
  return true;
}

void StyleChoice::deleteSelected() {
  Prompter& prompter = env_.prompter();
  if (!selected_) {
    prompter.showMessage("Please, select a style to delete.");
    return;
  }
  if (folder_.isPermanent()) {
    prompter.showMessage("I'm sorry, but this style cannot be deleted.");
    return;
  }
  if (!prompter.askYesNo("Are you sure you want to delete this style?")) return;
  if (folder_.deleteStyle()) choose(style_.styleNames.empty() ? -1 : 0);
}

bool StyleChoice::accept() const {
  if (selected_) return true;
  env_.prompter().showMessage("Please select a style.");
  return false;
}

void StyleChoice::apply(CBrenquilDoc& doc) const {
  *doc.m_pTemplate = style_;
  CTemplate& style = *doc.m_pTemplate;
  if (!style.styleApplied ||
      (style.currentName != initialName_ && env_.prompter().askYesNo(kOverwriteQuestion))) {
    applyStyleToAllPages(style, *doc.m_pPageData, *doc.m_pIndProdData);
    doc.m_pCategoriesPage->clearLinks();
    style.styleApplied = 1;
  }
}

}  // namespace quorvex
