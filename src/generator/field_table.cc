#include "generator/field_table.h"

namespace quorvex {

void FieldTable::set(std::string_view name, std::string value) {
  auto found = values_.find(name);
  if (found != values_.end()) {
    found->second = std::move(value);
  } else {
    values_.emplace(std::string(name), std::move(value));
  }
}

const std::string* FieldTable::lookup(std::string_view name) const {
  auto found = values_.find(name);
  return found == values_.end() ? nullptr : &found->second;
}

}  // namespace quorvex
