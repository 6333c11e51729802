#ifndef QUORVEX_DOCUMENT_CLASS_REGISTRY_H_
#define QUORVEX_DOCUMENT_CLASS_REGISTRY_H_

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "document/record.h"

namespace quorvex {

// What the archive knows of a persistent class.
struct ClassInfo {
  std::string name;
  uint16_t schema = 0;
  // A versionable class reads any stored schema; any other class refuses a
  // stored schema that differs from `schema`.
  bool versionable = false;
  // The persistent base class, empty for none (pages derive from CPage).
  std::string base;
  // Makes a record of this class with its default values.
  std::function<std::unique_ptr<Record>()> create;
};

// The table of persistent classes, looked up by name (byte for byte).
class ClassRegistry {
 public:
  ClassRegistry() = default;
  ClassRegistry(const ClassRegistry&) = delete;
  ClassRegistry& operator=(const ClassRegistry&) = delete;

  template <class T>
  void add(uint16_t schema, bool versionable, std::string base = "") {
    classes_.push_back({T::kClassName, schema, versionable, std::move(base),
                        [] { return std::unique_ptr<Record>(std::make_unique<T>()); }});
  }

  // Returns the class named `name`, or null when it is not registered.
  const ClassInfo* find(std::string_view name) const;
  // True when `info` is the class `ancestor` or derives from it.
  bool isKindOf(const ClassInfo& info, std::string_view ancestor) const;

 private:
  std::vector<ClassInfo> classes_;
};

}  // namespace quorvex

#endif  // QUORVEX_DOCUMENT_CLASS_REGISTRY_H_
