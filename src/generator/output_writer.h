#ifndef QUORVEX_GENERATOR_OUTPUT_WRITER_H_
#define QUORVEX_GENERATOR_OUTPUT_WRITER_H_

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace quorvex {

class Prompter;

// Writes the generated text files of a site. Generated files are text files
// with Windows line ends: every line feed is written as CR LF, nothing else
// is converted.
//
// A file whose new content has the CRC-32 recorded for it (recordChecksum)
// and that still holds exactly that content on disk is not written again, so
// a rebuild touches only the files that changed. A new file is written in
// place; a file that replaces another goes through a temporary file renamed
// over it (see file_replacement.h).
class OutputWriter {
 public:
  // `prompter` shows the file errors and must outlive the writer.
  explicit OutputWriter(Prompter& prompter) : prompter_(prompter) {}

  // Remembers `crc` as the CRC-32 of the content `file` had when it was last
  // produced (as the published-file lists record it).
  void recordChecksum(const std::filesystem::path& file, uint32_t crc);

  // Returns the CRC-32 of the content this writer last wrote to `file` or
  // found already there; nullopt when it has not written `file` (or its last
  // write failed).
  std::optional<uint32_t> writtenChecksum(const std::filesystem::path& file) const;

  // Makes `folder`/`fileName` hold `text` (unless it already does, see
  // above). Returns the file; nullopt after showing "FILE ERROR: ..." when it
  // cannot be written or when `fileName` would lead out of `folder`.
  std::optional<std::filesystem::path> write(const std::filesystem::path& folder,
                                             std::string_view fileName, std::string_view text);

 private:
  // True when `file` is known to have been produced with content `crc` and
  // still holds `bytes`.
  bool isUnchanged(const std::filesystem::path& file, uint32_t crc, std::string_view bytes) const;

  Prompter& prompter_;
  // Recorded CRC-32 by the file's normalised path.
  std::unordered_map<std::string, uint32_t> recorded_;
  // The CRC-32 of what write put into (or found in) each file, by the same key.
  std::unordered_map<std::string, uint32_t> written_;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_OUTPUT_WRITER_H_
