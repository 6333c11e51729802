#ifndef QUORVEX_GENERATOR_FILE_ERROR_H_
#define QUORVEX_GENERATOR_FILE_ERROR_H_

#include <filesystem>
#include <string>
#include <system_error>

namespace quorvex {

class Prompter;

// Returns the text shown for a failed file operation of the site generator:
// "FILE ERROR: " + the system's description of `error` + ": " + `path`.
std::string fileErrorText(std::error_code error, const std::filesystem::path& path);

// Shows fileErrorText() with an OK button; the run goes on after it.
void showFileError(Prompter& prompter, std::error_code error, const std::filesystem::path& path);

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_FILE_ERROR_H_
