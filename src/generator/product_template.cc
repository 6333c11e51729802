#include "generator/product_template.h"

#include <filesystem>
#include <utility>

#include "company/brenquil_doc.h"
#include "generator/file_error.h"
#include "generator/generation_context.h"
#include "platform/env.h"
#include "platform/home_folders.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "site/style_template.h"
#include "site/style_template_folder.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

constexpr char kCommonFile[] = "CatTemp0.html";
constexpr char kFileName[] = "\\CatTemp0.html";

}  // namespace

void setProductTemplate(GenerationContext& context) {
  const fs::path& home = context.env.home();
  const CTemplate& style = *context.doc.m_pTemplate;
  const fs::path common = resolveStoredPath(home, std::string(kTemplateCommonFolder) + "\\" + kCommonFile);
  const fs::path own = resolveStoredPath(home, style.templatePath + kFileName);
  const bool commonFirst = StyleTemplateFolder::isPermanentName(home, style.currentName);
  const fs::path* chosen = commonFirst ? &common : &own;
  FileLines file = readFileLines(*chosen, "\n");
  if (!file.opened) {
    chosen = commonFirst ? &own : &common;
    file = readFileLines(*chosen, "\n");
  }
  if (file.error) showFileError(context.prompter(), file.error, *chosen);
  context.fields.set("productTemplate", std::move(file.text));
}

}  // namespace quorvex
