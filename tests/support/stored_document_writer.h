#ifndef QUORVEX_TESTS_SUPPORT_STORED_DOCUMENT_WRITER_H_
#define QUORVEX_TESTS_SUPPORT_STORED_DOCUMENT_WRITER_H_

#include <string>
#include <vector>

#include "company/class_table.h"
#include "document/archive_writer.h"
#include "document/record.h"
#include "document/string_array.h"

namespace quorvex {

class CBrenquilDoc;

namespace testing {

// Writes company documents by hand in their stored forms, so that tests can
// make the layouts of older format versions.
class StoredDocumentWriter {
 public:
  // Writes the members every stored document begins with: the company name,
  // the business, server preferences, shipping, contact and tax records, and
  // the three placeholder lists, each holding `placeholderText`.
  void writeStart(CBrenquilDoc& doc, const std::vector<std::string>& placeholderText = {});

  // Writes one placeholder list holding `text`.
  void writePlaceholder(const std::vector<std::string>& text);

  ArchiveWriter& archive() { return archive_; }

 private:
  ArchiveWriter archive_{documentClasses()};
  // Kept alive while the archive is written, so that no later object gets
  // the address of one and is written as a reference to it.
  std::vector<Owned<CStringArray>> placeholders_;
};

}  // namespace testing
}  // namespace quorvex

#endif  // QUORVEX_TESTS_SUPPORT_STORED_DOCUMENT_WRITER_H_
