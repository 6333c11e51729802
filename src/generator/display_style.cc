#include "generator/display_style.h"

#include <array>
#include <filesystem>

#include "company/brenquil_doc.h"
#include "generator/display_code.h"
#include "generator/file_error.h"
#include "generator/generation_context.h"
#include "platform/env.h"
#include "platform/home_folders.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "platform/text_file.h"
#include "site/page_data.h"
#include "site/product_page.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

constexpr char kDefaultStyleFile[] = "Display Default.html";

constexpr char kDefaultUsed[] =
    "The product display style you have chosen could not be found--the default will be used.";
constexpr char kNoStyle[] =
    "There has been an error processing the product display style. Your products may not "
    "display correctly.  Please check your Display Styles and Template Common directory for the "
    "\"Display Default.html\" file.  If you cannot find this file, you may need to reinstall.";
constexpr char kNotFormatted[] =
    "ERROR:  Display file not properly formatted!  Products will not display correctly.";

// Returns the text of the display style named `layoutFile`, or of a
// fall-back, with its lines joined; shows what went wrong.
std::string readDisplayStyle(const fs::path& home, const std::string& layoutFile,
                             Prompter& prompter) {
  const std::array<std::string, 3> candidates = {
      layoutFile, std::string(kTemplateCommonFolder) + "\\" + layoutFile,
      std::string(kTemplateCommonFolder) + "\\" + kDefaultStyleFile};
  for (size_t i = 0; i < candidates.size(); ++i) {
    const fs::path path = resolveStoredPath(home, candidates[i]);
    FileLines file = readFileLines(path, "");
    if (!file.opened) continue;
    if (i == candidates.size() - 1) prompter.showMessage(kDefaultUsed);
    if (file.error) showFileError(prompter, file.error, path);
    return std::move(file.text);
  }
  prompter.showMessage(kNoStyle);
  return "";
}

}  // namespace

std::string setDisplayFields(GenerationContext& context) {
  const CProductPage* page = context.doc.m_pPageData->productPage();
  if (page == nullptr) {
    context.fields.set("numberDisplays", "0");
    return "}";
  }
  Prompter& prompter = context.prompter();
  DisplayCode code = translateDisplayStyle(
      readDisplayStyle(context.env.home(), page->layoutFile, prompter), *page);
  if (!code.hasFirstProductBlock) prompter.showMessage(kNotFormatted);
  context.fields.set("globalDisplayBegin", std::move(code.globalDisplayBegin));
  context.fields.set("globalDisplayEnd", std::move(code.globalDisplayEnd));
  context.fields.set("numberDisplays", std::to_string(code.numberDisplays));
  return std::move(code.displayItem);
}

}  // namespace quorvex
