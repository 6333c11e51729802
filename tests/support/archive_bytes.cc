#include "support/archive_bytes.h"

#include "company/class_table.h"

namespace quorvex::testing {

ArchiveBytes& ArchiveBytes::byte(uint8_t value) {
  bytes_.push_back(static_cast<char>(value));
  return *this;
}

ArchiveBytes& ArchiveBytes::word(uint16_t value) {
  return byte(value & 0xFF).byte(value >> 8);
}

ArchiveBytes& ArchiveBytes::uint32(uint32_t value) {
  return word(value & 0xFFFF).word(value >> 16);
}

ArchiveBytes& ArchiveBytes::int32(int32_t value) { return uint32(static_cast<uint32_t>(value)); }

ArchiveBytes& ArchiveBytes::str(std::string_view text) {
  if (text.size() < 0xFF) {
    byte(static_cast<uint8_t>(text.size()));
  } else if (text.size() < 0xFFFE) {
    byte(0xFF).word(static_cast<uint16_t>(text.size()));
  } else {
    byte(0xFF).word(0xFFFF).uint32(static_cast<uint32_t>(text.size()));
  }
  return raw(text);
}

ArchiveBytes& ArchiveBytes::raw(std::string_view bytes) {
  bytes_.append(bytes);
  return *this;
}

ArchiveBytes& ArchiveBytes::count(uint32_t n) {
  if (n < 0xFFFF) return word(static_cast<uint16_t>(n));
  return word(0xFFFF).uint32(n);
}

ArchiveBytes& ArchiveBytes::newClass(std::string_view name, uint16_t schema) {
  return word(0xFFFF).word(schema).word(static_cast<uint16_t>(name.size())).raw(name);
}

ArchiveBytes& ArchiveBytes::newObjectOf(uint16_t class_index) {
  return word(static_cast<uint16_t>(0x8000 | class_index));
}

ArchiveBytes& ArchiveBytes::logFont(int32_t height, int32_t weight, std::string_view face,
                                    uint8_t quality, uint8_t pitch_and_family) {
  int32(height).int32(0).int32(0).int32(0).int32(weight);
  byte(0).byte(0).byte(0).byte(0).byte(0).byte(0).byte(quality).byte(pitch_and_family);
  std::string name(face.substr(0, 31));
  name.resize(32, '\0');
  return raw(name);
}

std::string writeInline(Record& record) {
  ArchiveWriter writer{documentClasses()};
  record.serialize(writer);
  return writer.bytes();
}

std::string writeObject(Record& record) {
  ArchiveWriter writer{documentClasses()};
  std::unique_ptr<Record> borrowed(&record);
  writer.ioRecordObject(borrowed, record.className());
  borrowed.release();
  return writer.bytes();
}

std::string readInline(std::string_view bytes, Record& record, size_t* consumed) {
  ArchiveReader reader(bytes, documentClasses());
  record.serialize(reader);
  if (consumed) *consumed = reader.position();
  return reader.error();
}

}  // namespace quorvex::testing
