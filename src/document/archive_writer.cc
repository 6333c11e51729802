#include "document/archive_writer.h"

#include <cstdlib>

#include "document/archive_format.h"

namespace quorvex {

using namespace archive_format;

ArchiveWriter::ArchiveWriter(const ClassRegistry& registry) : registry_(registry) {}

void ArchiveWriter::io(uint8_t& value) { bytes_.push_back(static_cast<char>(value)); }

void ArchiveWriter::io(uint16_t& value) {
  bytes_.push_back(static_cast<char>(value & 0xFF));
  bytes_.push_back(static_cast<char>(value >> 8));
}

void ArchiveWriter::io(uint32_t& value) {
  for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<char>(value >> shift));
}

void ArchiveWriter::io(int32_t& value) {
  uint32_t bits = static_cast<uint32_t>(value);
  io(bits);
}

void ArchiveWriter::io(std::string& value) {
  size_t length = value.size();
  if (length < kLongStringByte) {
    uint8_t byte = static_cast<uint8_t>(length);
    io(byte);
  } else {
    uint8_t marker = kLongStringByte;
    io(marker);
    if (length < kWideStringWord) {
      uint16_t word = static_cast<uint16_t>(length);
      io(word);
    } else {
      uint16_t word = kLongWord;
      uint32_t dword = static_cast<uint32_t>(length);
      io(word);
      io(dword);
    }
  }
  bytes_.append(value);
}

void ArchiveWriter::ioBytes(char* bytes, size_t size) { bytes_.append(bytes, size); }

void ArchiveWriter::ioCount(uint32_t& count, uint32_t) {
  if (count < kLongWord) {
    uint16_t word = static_cast<uint16_t>(count);
    io(word);
  } else {
    uint16_t word = kLongWord;
    io(word);
    io(count);
  }
}

void ArchiveWriter::writeIndexWord(uint32_t index, bool new_object) {
  if (index < kBigIndexTag) {
    uint16_t word = static_cast<uint16_t>(new_object ? (kNewObjectFlag | index) : index);
    io(word);
  } else {
    uint16_t word = kBigIndexTag;
    uint32_t dword = new_object ? (kBigNewObjectFlag | index) : index;
    io(word);
    io(dword);
  }
}

void ArchiveWriter::ioRecordObject(std::unique_ptr<Record>& object, const char*) {
  if (!object) {
    uint16_t word = kNullTag;
    io(word);
    return;
  }
  auto seen = object_indexes_.find(object.get());
  if (seen != object_indexes_.end()) {
    writeIndexWord(seen->second, false);
    return;
  }
  const ClassInfo* info = registry_.find(object->className());
  if (info == nullptr) std::abort();  // a record class missing from the class table
  auto known_class = class_indexes_.find(info->name);
  if (known_class != class_indexes_.end()) {
    writeIndexWord(known_class->second, true);
  } else {
    uint16_t tag = kNewClassTag;
    uint16_t schema = info->schema;
    uint16_t name_length = static_cast<uint16_t>(info->name.size());
    io(tag);
    io(schema);
    io(name_length);
    bytes_.append(info->name);
    class_indexes_[info->name] = next_index_++;
  }
  object_indexes_[object.get()] = next_index_++;
  schema_stack_.push_back(info->schema);
  object->serialize(*this);
  schema_stack_.pop_back();
}

uint16_t ArchiveWriter::schema() const { return schema_stack_.empty() ? 0 : schema_stack_.back(); }

}  // namespace quorvex
