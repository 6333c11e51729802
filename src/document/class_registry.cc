#include "document/class_registry.h"

namespace quorvex {

const ClassInfo* ClassRegistry::find(std::string_view name) const {
  for (const ClassInfo& info : classes_) {
    if (info.name == name) return &info;
  }
  return nullptr;
}

bool ClassRegistry::isKindOf(const ClassInfo& info, std::string_view ancestor) const {
  const ClassInfo* current = &info;
  // The chain is bounded by the table's size, whatever the table holds.
  for (size_t steps = 0; current != nullptr && steps <= classes_.size(); ++steps) {
    if (current->name == ancestor) return true;
    if (current->base.empty()) return false;
    current = find(current->base);
  }
  return false;
}

}  // namespace quorvex
