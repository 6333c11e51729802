#ifndef QUORVEX_DOCUMENT_ARCHIVE_FORMAT_H_
#define QUORVEX_DOCUMENT_ARCHIVE_FORMAT_H_

#include <cstddef>
#include <cstdint>

namespace quorvex::archive_format {

// The byte-level markers of the archive, shared by its reader and writer.

// Object references: a word holding an index, or one of these tags.
inline constexpr uint16_t kNullTag = 0x0000;      // a null object
inline constexpr uint16_t kNewClassTag = 0xFFFF;  // a class description follows
inline constexpr uint16_t kBigIndexTag = 0x7FFF;  // the index follows as a uint32
// Set on a class index that introduces a new object of that class.
inline constexpr uint32_t kNewObjectFlag = 0x8000;
inline constexpr uint32_t kBigNewObjectFlag = 0x80000000u;
// The largest object or class index the archive can address.
inline constexpr uint32_t kMaxIndex = 0x3FFFFFFE;
inline constexpr size_t kMaxClassNameLength = 63;

// Length prefixes of strings: a byte below kLongStringByte, else that byte and
// a word below kWideStringWord, else that byte, kLongWord and a uint32.
// kWideStringWord marks the UTF-16 form, which documents never use.
inline constexpr uint8_t kLongStringByte = 0xFF;
inline constexpr uint16_t kWideStringWord = 0xFFFE;
// A word that says a uint32 follows: in string lengths and element counts.
inline constexpr uint16_t kLongWord = 0xFFFF;

}  // namespace quorvex::archive_format

#endif  // QUORVEX_DOCUMENT_ARCHIVE_FORMAT_H_
