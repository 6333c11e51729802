#ifndef QUORVEX_DOCUMENT_RECORD_H_
#define QUORVEX_DOCUMENT_RECORD_H_

#include <memory>
#include <string>

namespace quorvex {

class Archive;
class FieldVisitor;

// A persistent record of the company document. Each record class has:
//  - serialize(): one routine that writes or reads its fields in the binary
//    archive, depending on the archive's direction, visiting the fields in the
//    same order both ways (and reading older stored forms by schema or record
//    version);
//  - visitFields(): names every field for the JSON form, named exactly as the
//    field is named in the code.
// Records have value semantics: copies are deep.
class Record {
 public:
  virtual ~Record() = default;

  // The persistent class name (such as "CBusiness").
  virtual const char* className() const = 0;
  // A deep copy of this record, of the same dynamic class.
  virtual std::unique_ptr<Record> clone() const = 0;

  virtual void serialize(Archive& ar) = 0;
  virtual void visitFields(FieldVisitor& visitor) = 0;

  // Empty when the record's fields agree with each other, else what is
  // wrong. The JSON form refuses a record that reports a fault; the binary
  // form mends what old documents may hold while it reads them.
  virtual std::string inconsistency() const { return {}; }

  // Lets records default their own comparison (the base holds no fields).
  bool operator==(const Record&) const = default;
};

// Declares the class name and the deep copy of a concrete record class.
#define QUORVEX_RECORD(ClassName)                                           \
 public:                                                                    \
  static constexpr const char* kClassName = #ClassName;                     \
  const char* className() const override { return kClassName; }             \
  std::unique_ptr<Record> clone() const override {                          \
    return std::make_unique<ClassName>(*this);                              \
  }

// An owning pointer to a record with deep-copy semantics: copying an Owned
// copies the record it points to (of its dynamic class). Used for the
// document's members and for the elements of object lists.
template <class T>
class Owned {
 public:
  using element_type = T;

  Owned() = default;
  explicit Owned(std::unique_ptr<T> record) : record_(std::move(record)) {}
  Owned(const Owned& other) : record_(copyOf(other)) {}
  Owned(Owned&&) noexcept = default;
  Owned& operator=(const Owned& other) {
    if (this != &other) record_ = copyOf(other);
    return *this;
  }
  Owned& operator=(Owned&&) noexcept = default;

  T* get() const { return record_.get(); }
  T& operator*() const { return *record_; }
  T* operator->() const { return record_.get(); }
  explicit operator bool() const { return record_ != nullptr; }
  void reset(std::unique_ptr<T> record = nullptr) { record_ = std::move(record); }

 private:
  static std::unique_ptr<T> copyOf(const Owned& other) {
    if (!other.record_) return nullptr;
    return std::unique_ptr<T>(static_cast<T*>(other.record_->clone().release()));
  }

  std::unique_ptr<T> record_;
};

template <class T, class... Args>
Owned<T> makeOwned(Args&&... args) {
  return Owned<T>(std::make_unique<T>(std::forward<Args>(args)...));
}

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_RECORD_H_
