#ifndef QUORVEX_DOCUMENT_FIELD_VISITOR_H_
#define QUORVEX_DOCUMENT_FIELD_VISITOR_H_

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/class_registry.h"
#include "document/log_font.h"
#include "document/record.h"

namespace quorvex {

// A sequence of records as the JSON form sees it: an inline list, an object
// list, or a single object member (a sequence of at most one).
class RecordSequence {
 public:
  virtual ~RecordSequence() = default;
  virtual size_t size() const = 0;
  virtual Record& at(size_t index) = 0;
  virtual void clear() = 0;
  // Appends a new record of the class `registry` names `class_name`, with its
  // default values, and returns it; returns null when the sequence cannot hold
  // that class.
  virtual Record* append(const ClassRegistry& registry, std::string_view class_name) = 0;
};

// Visits the named fields of a record (Record::visitFields). The JSON writer
// and reader implement it; the templates below adapt the container types the
// records use.
class FieldVisitor {
 public:
  virtual ~FieldVisitor() = default;

  virtual void field(const char* name, int32_t& value) = 0;
  virtual void field(const char* name, uint32_t& value) = 0;
  virtual void field(const char* name, uint8_t& value) = 0;
  // A single character, shown as a one-character string.
  virtual void field(const char* name, char& value) = 0;
  virtual void field(const char* name, std::string& value) = 0;
  virtual void field(const char* name, std::vector<std::string>& value) = 0;
  virtual void field(const char* name, std::vector<int32_t>& value) = 0;
  // Arrays of a fixed size: the JSON form must give exactly that many values.
  virtual void field(const char* name, std::span<std::string> values) = 0;
  virtual void field(const char* name, std::span<int32_t> values) = 0;
  virtual void field(const char* name, LogFont& value) = 0;
  // A record held by value inside its owner.
  virtual void field(const char* name, Record& nested) = 0;
  // A list of records; `single` marks an object member (null or one record).
  virtual void field(const char* name, RecordSequence& records, bool single) = 0;
  // The count of a group of parallel arrays, which are made that long when
  // the record is stored: a reader takes at most kMaxCountedEntries, so that
  // a hostile count cannot exhaust memory. Visited as an int32 field.
  virtual void countField(const char* name, int32_t& count) { field(name, count); }

  // The most entries a counted group may hold (far more than any page has
  // links or pictures).
  static constexpr int32_t kMaxCountedEntries = 10000;

  template <size_t N>
  void field(const char* name, std::array<std::string, N>& values) {
    field(name, std::span<std::string>(values));
  }
  template <size_t N>
  void field(const char* name, std::array<int32_t, N>& values) {
    field(name, std::span<int32_t>(values));
  }
  template <class T>
  void field(const char* name, std::vector<T>& list);
  template <class T>
  void field(const char* name, std::vector<Owned<T>>& list);
  template <class T>
  void field(const char* name, Owned<T>& object);
};

// An inline list: every element is exactly of class T.
template <class T>
class InlineSequence : public RecordSequence {
 public:
  explicit InlineSequence(std::vector<T>& list) : list_(list) {}
  size_t size() const override { return list_.size(); }
  Record& at(size_t index) override { return list_[index]; }
  void clear() override { list_.clear(); }
  Record* append(const ClassRegistry&, std::string_view class_name) override {
    if (class_name != T::kClassName) return nullptr;
    return &list_.emplace_back();
  }

 private:
  std::vector<T>& list_;
};

// Creates a record of the class `registry` names `class_name` if it is T or
// derived from T; null otherwise.
template <class T>
std::unique_ptr<T> createKindOf(const ClassRegistry& registry, std::string_view class_name) {
  const ClassInfo* info = registry.find(class_name);
  if (info == nullptr || !registry.isKindOf(*info, T::kClassName)) return nullptr;
  return std::unique_ptr<T>(static_cast<T*>(info->create().release()));
}

// An object list, or a single object member when `single` is set.
template <class T>
class ObjectSequence : public RecordSequence {
 public:
  explicit ObjectSequence(std::vector<Owned<T>>& list) : list_(list) {}
  size_t size() const override { return list_.size(); }
  Record& at(size_t index) override { return *list_[index]; }
  void clear() override { list_.clear(); }
  Record* append(const ClassRegistry& registry, std::string_view class_name) override {
    std::unique_ptr<T> record = createKindOf<T>(registry, class_name);
    if (!record) return nullptr;
    list_.emplace_back(std::move(record));
    return list_.back().get();
  }

 private:
  std::vector<Owned<T>>& list_;
};

template <class T>
class SingleObject : public RecordSequence {
 public:
  explicit SingleObject(Owned<T>& object) : object_(object) {}
  size_t size() const override { return object_ ? 1 : 0; }
  Record& at(size_t) override { return *object_; }
  void clear() override { object_.reset(); }
  Record* append(const ClassRegistry& registry, std::string_view class_name) override {
    if (object_) return nullptr;
    object_.reset(createKindOf<T>(registry, class_name));
    return object_.get();
  }

 private:
  Owned<T>& object_;
};

template <class T>
void FieldVisitor::field(const char* name, std::vector<T>& list) {
  InlineSequence<T> sequence(list);
  field(name, sequence, false);
}

template <class T>
void FieldVisitor::field(const char* name, std::vector<Owned<T>>& list) {
  ObjectSequence<T> sequence(list);
  field(name, sequence, false);
}

template <class T>
void FieldVisitor::field(const char* name, Owned<T>& object) {
  SingleObject<T> sequence(object);
  field(name, sequence, true);
}

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_FIELD_VISITOR_H_
