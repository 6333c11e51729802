#include "cli/name_choice.h"

#include <algorithm>
#include <numeric>

#include "platform/strings.h"

namespace quorvex::cli {

namespace {

// The edit distance between `a` and `b` (insertions, deletions and
// substitutions), without regard to case.
size_t editDistance(std::string_view a, std::string_view b) {
  const std::string left = toLowerAscii(a), right = toLowerAscii(b);
  std::vector<size_t> row(right.size() + 1);
  std::iota(row.begin(), row.end(), size_t{0});
  for (size_t i = 1; i <= left.size(); ++i) {
    size_t diagonal = row[0];
    row[0] = i;
    for (size_t j = 1; j <= right.size(); ++j) {
      const size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1,
                         diagonal + (left[i - 1] == right[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[right.size()];
}

}  // namespace

std::optional<size_t> findName(const std::vector<std::string>& names, std::string_view typed) {
  auto exact = std::find(names.begin(), names.end(), typed);
  if (exact != names.end()) return static_cast<size_t>(exact - names.begin());
  const std::string lowered = toLowerAscii(typed);
  for (size_t i = 0; i < names.size(); ++i) {
    if (toLowerAscii(names[i]) == lowered) return i;
  }
  return std::nullopt;
}

std::string unknownNameMessage(std::string_view kind, std::string_view typed,
                               const std::vector<std::string>& names) {
  std::string message = "there is no " + std::string(kind) + " \"" + std::string(typed) + "\"";
  if (names.empty()) return message;
  // A name within a third of its length in edits, or one that starts with
  // what was typed, is offered.
  const std::string* closest = nullptr;
  size_t best = 0;
  for (const std::string& name : names) {
    const size_t distance = toLowerAscii(name).starts_with(toLowerAscii(typed))
                                ? 0
                                : editDistance(name, typed);
    if (closest == nullptr || distance < best) {
      closest = &name;
      best = distance;
    }
  }
  if (closest != nullptr && best <= std::max<size_t>(2, closest->size() / 3)) {
    message += "; did you mean \"" + *closest + "\"?";
  }
  message += "\nThe " + std::string(kind) + " names are:";
  for (const std::string& name : names) message += "\n  " + name;
  return message;
}

}  // namespace quorvex::cli
