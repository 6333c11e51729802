#ifndef QUORVEX_GENERATOR_FIELD_TABLE_H_
#define QUORVEX_GENERATOR_FIELD_TABLE_H_

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace quorvex {

// The values that $[identifier] fields of the templates expand to. Names are
// unique and compared exactly (case matters, byte for byte). A value set for
// one file stays for every later file of the same run until it is set again.
// Values may hold fields themselves: they are expanded when used, not when
// set.
//
// Lookups take constant time however many fields there are.
class FieldTable {
 public:
  // Gives `name` the value `value`, replacing the one it had.
  void set(std::string_view name, std::string value);

  // Returns the value of `name`, or null when the table has no such field.
  // The pointer is valid until the field is set again or the table cleared.
  const std::string* lookup(std::string_view name) const;

  // Removes every field.
  void clear() { values_.clear(); }

  size_t size() const { return values_.size(); }

 private:
  // Lets lookups take a string_view without making a string.
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };

  std::unordered_map<std::string, std::string, Hash, std::equal_to<>> values_;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_FIELD_TABLE_H_
