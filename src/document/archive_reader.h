#ifndef QUORVEX_DOCUMENT_ARCHIVE_READER_H_
#define QUORVEX_DOCUMENT_ARCHIVE_READER_H_

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "document/archive.h"
#include "document/class_registry.h"

namespace quorvex {

// Reads an archive from bytes held in memory (`bytes` must outlive the
// reader). Never trusts a count or a length without checking it against the
// bytes left, limits the nesting of objects, and refuses references to
// indexes not yet assigned; see Archive for the failure protocol.
class ArchiveReader : public Archive {
 public:
  explicit ArchiveReader(std::string_view bytes,
                         const ClassRegistry& registry);
  ArchiveReader(const ArchiveReader&) = delete;
  ArchiveReader& operator=(const ArchiveReader&) = delete;

  // The offset of the next byte to read.
  size_t position() const { return position_; }
  bool atEnd() const { return position_ == bytes_.size(); }
  // Empty while ok(); otherwise what was expected and at which byte offset.
  const std::string& error() const { return error_; }

  bool isLoading() const override { return true; }
  void io(uint8_t& value) override;
  void io(uint16_t& value) override;
  void io(int32_t& value) override;
  void io(uint32_t& value) override;
  void io(std::string& value) override;
  void ioBytes(char* bytes, size_t size) override;
  void ioCount(uint32_t& count, uint32_t min_element_bytes) override;
  void ioRecordObject(std::unique_ptr<Record>& object, const char* expected_class) override;
  uint16_t schema() const override;
  bool ok() const override { return error_.empty(); }
  void fail(const std::string& expected) override;

  // Objects may nest this deep; deeper nesting is refused.
  static constexpr int kMaxNesting = 32;

 private:
  // One entry per archive index: a class description or an object.
  struct IndexEntry {
    const ClassInfo* cls = nullptr;  // for an object: its class
    uint16_t stored_schema = 0;
    bool is_object = false;
    // A complete copy of the object, kept for back-references; null while the
    // object is still being read.
    std::unique_ptr<Record> snapshot;
    size_t encoded_size = 0;
  };

  bool take(size_t size, const char* what);
  uint32_t readIndexOrTag(bool* new_object);
  const IndexEntry* readNewClass();
  std::unique_ptr<Record> readBackReference(uint32_t index, const char* expected_class);
  std::unique_ptr<Record> readNewObject(size_t class_entry, const char* expected_class);
  bool acceptClass(const ClassInfo& info, const char* expected_class);

  const ClassRegistry& registry_;
  std::string_view bytes_;
  size_t position_ = 0;
  std::string error_;
  // Index 0 is unused ("no object"); entries start at 1.
  std::vector<IndexEntry> entries_;
  std::vector<uint16_t> schema_stack_;
  // Bytes that back-references made the reader copy again; bounded so that a
  // small file cannot grow into a huge document.
  size_t copied_bytes_ = 0;
};

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_ARCHIVE_READER_H_
