#include "generator/button_picture.h"

#include <optional>
#include <system_error>

#include "company/brenquil_doc.h"
#include "generator/file_error.h"
#include "generator/file_replacement.h"
#include "platform/env.h"
#include "platform/paths.h"

namespace quorvex {

ButtonResult drawButtonPicture(const GenerationContext& context, const std::string& background,
                               const std::string& text, const CTemplateFont& font,
                               const std::string& name) {
  const SiteFolders& folders = context.folders;
  std::optional<std::filesystem::path> target =
      joinInside(folders.native(folders.imagesFolder()), name);
  // Drawn beside the target and moved into place, so that an unchanged
  // button is not written again.
  const std::filesystem::path drawn = target ? temporarySibling(*target, "qvx-button") : "";
  ButtonResult result =
      target ? renderButton(folders.native(background), text, font,
                            context.doc.m_pFtp->jpegQuality, drawn, context.env.fonts())
             : ButtonResult::kNotSaved;
  if (result == ButtonResult::kSaved) {
    if (moveIntoPlace(drawn, *target)) result = ButtonResult::kNotSaved;
  } else if (target) {
    std::error_code ignored;  // a part written before the failure; the failure is shown below
    std::filesystem::remove(drawn, ignored);
  }
  if (result == ButtonResult::kNotSaved) {
    showFileError(context.prompter(), std::make_error_code(std::errc::io_error),
                  target.value_or(std::filesystem::path(name)));
  }
  return result;
}

}  // namespace quorvex
