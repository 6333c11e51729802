#ifndef QUORVEX_DOCUMENT_ARCHIVE_WRITER_H_
#define QUORVEX_DOCUMENT_ARCHIVE_WRITER_H_

#include <string>
#include <unordered_map>
#include <vector>

#include "document/archive.h"
#include "document/class_registry.h"

namespace quorvex {

// Writes an archive into memory; the caller writes bytes() to the file.
class ArchiveWriter : public Archive {
 public:
  explicit ArchiveWriter(const ClassRegistry& registry);
  ArchiveWriter(const ArchiveWriter&) = delete;
  ArchiveWriter& operator=(const ArchiveWriter&) = delete;

  // The bytes written so far.
  const std::string& bytes() const { return bytes_; }

  bool isLoading() const override { return false; }
  void io(uint8_t& value) override;
  void io(uint16_t& value) override;
  void io(int32_t& value) override;
  void io(uint32_t& value) override;
  void io(std::string& value) override;
  void ioBytes(char* bytes, size_t size) override;
  void ioCount(uint32_t& count, uint32_t min_element_bytes) override;
  // Writes the object's class description the first time its class occurs
  // and a back-reference when the same object (by identity) was written
  // before. The object must be of a registered class.
  void ioRecordObject(std::unique_ptr<Record>& object, const char* expected_class) override;
  uint16_t schema() const override;
  bool ok() const override { return true; }
  void fail(const std::string&) override {}

 private:
  void writeIndexWord(uint32_t index, bool new_object);

  const ClassRegistry& registry_;
  std::string bytes_;
  uint32_t next_index_ = 1;
  std::unordered_map<std::string, uint32_t> class_indexes_;
  std::unordered_map<const Record*, uint32_t> object_indexes_;
  std::vector<uint16_t> schema_stack_;
};

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_ARCHIVE_WRITER_H_
