#ifndef QUORVEX_TESTS_SUPPORT_ARCHIVE_BYTES_H_
#define QUORVEX_TESTS_SUPPORT_ARCHIVE_BYTES_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "company/class_table.h"
#include "document/archive_reader.h"
#include "document/archive_writer.h"
#include "document/record.h"

namespace quorvex::testing {

// Builds archive bytes by hand, so that tests can state stored forms
// (including old and damaged ones) byte by byte.
class ArchiveBytes {
 public:
  ArchiveBytes& byte(uint8_t value);
  ArchiveBytes& word(uint16_t value);
  ArchiveBytes& int32(int32_t value);
  ArchiveBytes& uint32(uint32_t value);
  // A string with its length prefix.
  ArchiveBytes& str(std::string_view text);
  // Raw bytes without prefix.
  ArchiveBytes& raw(std::string_view bytes);
  // An element count (word, or 0xFFFF and uint32).
  ArchiveBytes& count(uint32_t n);
  // A class description: 0xFFFF, schema, name length, name.
  ArchiveBytes& newClass(std::string_view name, uint16_t schema);
  // A new object of the class with archive index `class_index` (0x8000 | i).
  ArchiveBytes& newObjectOf(uint16_t class_index);
  // A LOGFONT: five int32, eight bytes, the face name padded to 32 bytes.
  ArchiveBytes& logFont(int32_t height, int32_t weight, std::string_view face,
                        uint8_t quality = 2, uint8_t pitch_and_family = 0x10);

  const std::string& bytes() const { return bytes_; }
  operator std::string_view() const& { return bytes_; }
  // A view of a temporary would dangle at once.
  operator std::string_view() && = delete;

 private:
  std::string bytes_;
};

// Writes `record` with its serialize() routine (inline, without class tag).
std::string writeInline(Record& record);

// Writes `record` as a tagged object (class description, then fields).
std::string writeObject(Record& record);

// Reads `bytes` into `record` with its serialize() routine (an inline
// record). Returns the reader's error, empty when it succeeded; `consumed`
// receives the number of bytes read.
std::string readInline(std::string_view bytes, Record& record, size_t* consumed = nullptr);

// Reads one tagged object of class T (or derived) from `bytes`. Returns null
// and sets `error` when the read fails; `consumed` receives the bytes read.
template <class T>
Owned<T> readObject(std::string_view bytes, std::string* error = nullptr,
                    size_t* consumed = nullptr) {
  ArchiveReader reader(bytes, documentClasses());
  Owned<T> object;
  reader.ioObject(object);
  if (error) *error = reader.error();
  if (consumed) *consumed = reader.position();
  if (!reader.ok()) object.reset();
  return object;
}

}  // namespace quorvex::testing

#endif  // QUORVEX_TESTS_SUPPORT_ARCHIVE_BYTES_H_
