#include "generator/file_error.h"

#include "platform/prompter.h"

namespace quorvex {

std::string fileErrorText(std::error_code error, const std::filesystem::path& path) {
  return "FILE ERROR: " + error.message() + ": " + path.string();
}

void showFileError(Prompter& prompter, std::error_code error, const std::filesystem::path& path) {
  prompter.showMessage(fileErrorText(error, path));
}

}  // namespace quorvex
