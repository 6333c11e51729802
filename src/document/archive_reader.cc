#include "document/archive_reader.h"

#include <cstring>
#include <string>

#include "document/archive_format.h"

namespace quorvex {

using namespace archive_format;

namespace {
// `name` as a message may show it: a control byte (a NUL among them, which
// would end the message early) is written as \xNN.
std::string printable(std::string_view name) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string shown;
  for (char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      shown += "\\x";
      shown += kHex[byte >> 4];
      shown += kHex[byte & 0xF];
    } else {
      shown += c;
    }
  }
  return shown;
}
}  // namespace

ArchiveReader::ArchiveReader(std::string_view bytes, const ClassRegistry& registry)
    : registry_(registry), bytes_(bytes), entries_(1) {}

void ArchiveReader::fail(const std::string& expected) {
  if (ok()) error_ = "expected " + expected + " at byte offset " + std::to_string(position_);
}

bool ArchiveReader::take(size_t size, const char* what) {
  if (!ok()) return false;
  if (bytes_.size() - position_ < size) {
    fail(std::string(what) + " of " + std::to_string(size) + " bytes, but the file ends after " +
         std::to_string(bytes_.size() - position_));
    return false;
  }
  return true;
}

void ArchiveReader::io(uint8_t& value) {
  value = 0;
  if (!take(1, "a byte")) return;
  value = static_cast<uint8_t>(bytes_[position_++]);
}

void ArchiveReader::io(uint16_t& value) {
  value = 0;
  if (!take(2, "a word")) return;
  value = static_cast<uint16_t>(static_cast<uint8_t>(bytes_[position_]) |
                                static_cast<uint8_t>(bytes_[position_ + 1]) << 8);
  position_ += 2;
}

void ArchiveReader::io(uint32_t& value) {
  value = 0;
  if (!take(4, "a 32-bit value")) return;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(bytes_[position_ + i]);
  position_ += 4;
}

void ArchiveReader::io(int32_t& value) {
  uint32_t bits = 0;
  io(bits);
  value = static_cast<int32_t>(bits);
}

void ArchiveReader::io(std::string& value) {
  value.clear();
  uint8_t short_length = 0;
  io(short_length);
  size_t length = short_length;
  if (short_length == kLongStringByte) {
    uint16_t word = 0;
    io(word);
    length = word;
    if (word == kWideStringWord) {
      fail("a single-byte string (the UTF-16 form is not used by documents)");
      return;
    }
    if (word == kLongWord) {
      uint32_t dword = 0;
      io(dword);
      length = dword;
    }
  }
  if (!take(length, "string text")) return;
  value.assign(bytes_.data() + position_, length);
  position_ += length;
}

void ArchiveReader::ioBytes(char* bytes, size_t size) {
  std::memset(bytes, 0, size);
  if (!take(size, "raw bytes")) return;
  std::memcpy(bytes, bytes_.data() + position_, size);
  position_ += size;
}

void ArchiveReader::ioCount(uint32_t& count, uint32_t min_element_bytes) {
  uint16_t word = 0;
  io(word);
  count = word;
  if (word == kLongWord) io(count);
  if (!ok()) {
    count = 0;
    return;
  }
  size_t left = bytes_.size() - position_;
  if (min_element_bytes > 0 && count > left / min_element_bytes) {
    fail("a list of " + std::to_string(count) + " elements, but only " + std::to_string(left) +
         " bytes are left");
    count = 0;
  }
}

uint16_t ArchiveReader::schema() const {
  return schema_stack_.empty() ? 0 : schema_stack_.back();
}

bool ArchiveReader::acceptClass(const ClassInfo& info, const char* expected_class) {
  if (registry_.isKindOf(info, expected_class)) return true;
  fail(std::string("an object of class ") + expected_class + ", not " + info.name);
  return false;
}

const ArchiveReader::IndexEntry* ArchiveReader::readNewClass() {
  size_t tag_offset = position_ - 2;
  uint16_t schema = 0, name_length = 0;
  io(schema);
  io(name_length);
  if (!ok()) return nullptr;
  if (name_length > kMaxClassNameLength) {
    position_ = tag_offset;
    fail("a class name of fewer than 64 bytes");
    return nullptr;
  }
  if (!take(name_length, "a class name")) return nullptr;
  std::string_view name = bytes_.substr(position_, name_length);
  const ClassInfo* info = registry_.find(name);
  if (info == nullptr) {
    fail("a known class name, not \"" + printable(name) + "\"");
    return nullptr;
  }
  position_ += name_length;
  if (!info->versionable && schema != info->schema) {
    fail("schema " + std::to_string(info->schema) + " of class " + info->name + ", not " +
         std::to_string(schema));
    return nullptr;
  }
  if (entries_.size() > kMaxIndex) {
    fail("fewer objects in one archive");
    return nullptr;
  }
  IndexEntry& entry = entries_.emplace_back();
  entry.cls = info;
  entry.stored_schema = schema;
  return &entry;
}

void ArchiveReader::ioRecordObject(std::unique_ptr<Record>& object, const char* expected_class) {
  object.reset();
  uint16_t tag = 0;
  io(tag);
  if (!ok() || tag == kNullTag) return;

  if (tag == kNewClassTag) {
    if (readNewClass() == nullptr) return;
    object = readNewObject(entries_.size() - 1, expected_class);
    return;
  }
  uint32_t index = tag;
  bool new_object = false;
  if (tag == kBigIndexTag) {
    io(index);
    new_object = (index & kBigNewObjectFlag) != 0;
    index &= ~kBigNewObjectFlag;
  } else if (tag & kNewObjectFlag) {
    new_object = true;
    index = tag & ~kNewObjectFlag;
  }
  if (!ok()) return;
  if (index == 0 || index >= entries_.size()) {
    fail("a reference to an archive index already assigned, not " + std::to_string(index));
    return;
  }
  if (new_object) {
    object = readNewObject(index, expected_class);
  } else {
    object = readBackReference(index, expected_class);
  }
}

std::unique_ptr<Record> ArchiveReader::readNewObject(size_t class_entry,
                                                     const char* expected_class) {
  if (entries_[class_entry].is_object) {
    fail("a class index, not the object index " + std::to_string(class_entry));
    return nullptr;
  }
  const ClassInfo* info = entries_[class_entry].cls;
  uint16_t stored_schema = entries_[class_entry].stored_schema;
  if (!acceptClass(*info, expected_class)) return nullptr;
  if (schema_stack_.size() >= kMaxNesting) {
    fail("objects nested at most " + std::to_string(kMaxNesting) + " deep");
    return nullptr;
  }
  if (entries_.size() > kMaxIndex) {
    fail("fewer objects in one archive");
    return nullptr;
  }
  size_t object_entry = entries_.size();
  entries_.push_back({info, stored_schema, true, nullptr, 0});
  size_t start = position_;

  std::unique_ptr<Record> record = info->create();
  schema_stack_.push_back(stored_schema);
  record->serialize(*this);
  schema_stack_.pop_back();
  if (!ok()) return nullptr;

  entries_[object_entry].snapshot = record->clone();
  entries_[object_entry].encoded_size = position_ - start;
  return record;
}

std::unique_ptr<Record> ArchiveReader::readBackReference(uint32_t index,
                                                         const char* expected_class) {
  IndexEntry& entry = entries_[index];
  if (!entry.is_object) {
    fail("an object index, not the class index " + std::to_string(index));
    return nullptr;
  }
  if (!entry.snapshot) {
    fail("a reference to a complete object, not to object " + std::to_string(index) +
         " that is still being read");
    return nullptr;
  }
  if (!acceptClass(*entry.cls, expected_class)) return nullptr;
  // A shared object becomes a copy of its own; the copies may together be no
  // larger than the file itself.
  copied_bytes_ += entry.encoded_size;
  if (copied_bytes_ > bytes_.size()) {
    fail("fewer references to objects already read");
    return nullptr;
  }
  return entry.snapshot->clone();
}

}  // namespace quorvex
