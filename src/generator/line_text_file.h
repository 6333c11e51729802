#ifndef QUORVEX_GENERATOR_LINE_TEXT_FILE_H_
#define QUORVEX_GENERATOR_LINE_TEXT_FILE_H_

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

namespace quorvex {

// Returns the text of the file `path` as the generator reads its template
// and list files: line by line, each line followed by a line feed (a CR at
// the end of a line dropped). Returns nullopt, with `error` set, when the
// file cannot be opened or read.
std::optional<std::string> readLineText(const std::filesystem::path& path, std::error_code& error);

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_LINE_TEXT_FILE_H_
