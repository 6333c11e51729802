#ifndef QUORVEX_GENERATOR_OUTPUT_WRITER_H_
#define QUORVEX_GENERATOR_OUTPUT_WRITER_H_

#include <filesystem>
#include <optional>
#include <string_view>

namespace quorvex {

class Prompter;

// Writes the generated text files of a site. Generated files are text files
// with Windows line ends: every line feed is written as CR LF, nothing else
// is converted.
class OutputWriter {
 public:
  // `prompter` shows the file errors and must outlive the writer.
  explicit OutputWriter(Prompter& prompter) : prompter_(prompter) {}

  // Creates or truncates `folder`/`fileName` and writes `text` to it. Returns
  // the file written; nullopt after showing "FILE ERROR: ..." when it cannot
  // be written or when `fileName` would lead out of `folder`.
  std::optional<std::filesystem::path> write(const std::filesystem::path& folder,
                                             std::string_view fileName, std::string_view text);

 private:
  Prompter& prompter_;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_OUTPUT_WRITER_H_
