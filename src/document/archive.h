#ifndef QUORVEX_DOCUMENT_ARCHIVE_H_
#define QUORVEX_DOCUMENT_ARCHIVE_H_

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "document/record.h"

namespace quorvex {

// The two-way view of the binary object archive that the records' serialize()
// routines use: each Io call writes the value when storing and reads it into
// the same variable when loading. All multi-byte values are little-endian.
//
// A reading archive never throws: the first malformed or missing byte puts it
// into a failed state, remembers what was expected at which offset, and from
// then on every read yields a zero, an empty string, an empty list or a null
// object, so that every routine runs to its end quickly. The owner checks ok()
// once at the end.
class Archive {
 public:
  virtual ~Archive() = default;

  virtual bool isLoading() const = 0;
  bool isStoring() const { return !isLoading(); }

  virtual void io(uint8_t& value) = 0;
  virtual void io(uint16_t& value) = 0;
  virtual void io(int32_t& value) = 0;
  virtual void io(uint32_t& value) = 0;
  // A string: length prefix (byte, or 0xFF and word, or 0xFF, 0xFFFF and
  // uint32), then the bytes without terminator.
  virtual void io(std::string& value) = 0;
  // `size` raw bytes.
  virtual void ioBytes(char* bytes, size_t size) = 0;
  // An element count: a word below 0xFFFF, else 0xFFFF and a uint32. When
  // loading, a count larger than the bytes left (each element takes at least
  // `min_element_bytes`) fails the archive and yields 0.
  virtual void ioCount(uint32_t& count, uint32_t min_element_bytes) = 0;

  // An object reference of class `expected_class` or a class derived from it:
  // null, a back-reference or a new object with its fields. When loading,
  // `object` receives the object read (or null).
  virtual void ioRecordObject(std::unique_ptr<Record>& object, const char* expected_class) = 0;

  // The schema of the object whose fields are being visited: the stored
  // schema when loading, the class's current schema when storing.
  virtual uint16_t schema() const = 0;

  virtual bool ok() const = 0;
  // Fails a reading archive: `expected` says what the reader expected to find.
  // Records call it for values they cannot accept.
  virtual void fail(const std::string& expected) = 0;

  // The record version: writes `current` when storing and returns it; returns
  // the stored value when loading.
  int32_t recordVersion(int32_t current);

  // A counted string list.
  void ioStringList(std::vector<std::string>& list);

  // An inline list: element count, then each element's serialize() without tag.
  template <class T>
  void ioInlineList(std::vector<T>& list) {
    uint32_t count = static_cast<uint32_t>(list.size());
    ioCount(count, 1);
    if (isLoading()) {
      list.clear();
      for (uint32_t i = 0; i < count && ok(); ++i) list.emplace_back().serialize(*this);
      if (!ok()) list.clear();
    } else {
      for (T& element : list) element.serialize(*this);
    }
  }

  // A single object of class T (or derived).
  template <class T>
  void ioObject(Owned<T>& object) {
    std::unique_ptr<Record> record;
    if (isStoring()) {
      record.reset(object.get());
      ioRecordObject(record, T::kClassName);
      record.release();  // still owned by `object`
      return;
    }
    ioRecordObject(record, T::kClassName);
    object.reset(std::unique_ptr<T>(dynamic_cast<T*>(record.get())));
    if (object) record.release();
  }

  // An object list: element count, then one object reference per element.
  template <class T>
  void ioObjectList(std::vector<Owned<T>>& list) {
    uint32_t count = static_cast<uint32_t>(list.size());
    ioCount(count, 2);
    if (isLoading()) {
      list.clear();
      for (uint32_t i = 0; i < count && ok(); ++i) {
        Owned<T> element;
        ioObject(element);
        if (element) list.push_back(std::move(element));
      }
      if (!ok()) list.clear();
    } else {
      for (Owned<T>& element : list) ioObject(element);
    }
  }
};

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_ARCHIVE_H_
