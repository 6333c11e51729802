#include "generator/button_picture.h"

#include <optional>
#include <system_error>

#include "company/brenquil_doc.h"
#include "generator/file_error.h"
#include "platform/env.h"
#include "platform/paths.h"

namespace quorvex {

ButtonResult drawButtonPicture(const GenerationContext& context, const std::string& background,
                               const std::string& text, const CTemplateFont& font,
                               const std::string& name) {
  const SiteFolders& folders = context.folders;
  std::optional<std::filesystem::path> target =
      joinInside(folders.native(folders.imagesFolder()), name);
  const ButtonResult result =
      target ? renderButton(folders.native(background), text, font,
                            context.doc.m_pFtp->jpegQuality, *target, context.env.fonts())
             : ButtonResult::kNotSaved;
  if (result == ButtonResult::kNotSaved) {
    showFileError(context.prompter(), std::make_error_code(std::errc::io_error),
                  target.value_or(std::filesystem::path(name)));
  }
  return result;
}

}  // namespace quorvex
