#ifndef QUORVEX_CLI_NAME_CHOICE_H_
#define QUORVEX_CLI_NAME_CHOICE_H_

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::cli {

// Returns the index of the name among `names` that equals `typed` without
// regard to (ASCII) case, preferring an exact match; nullopt when none does.
std::optional<size_t> findName(const std::vector<std::string>& names, std::string_view typed);

// The message for a name that is not among `names`: "there is no KIND
// "TYPED"", then "; did you mean "X"?" for the closest name when it is close
// enough, then the valid names (all of them, one per line).
std::string unknownNameMessage(std::string_view kind, std::string_view typed,
                               const std::vector<std::string>& names);

}  // namespace quorvex::cli

#endif  // QUORVEX_CLI_NAME_CHOICE_H_
