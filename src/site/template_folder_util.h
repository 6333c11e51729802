#ifndef QUORVEX_SITE_TEMPLATE_FOLDER_UTIL_H_
#define QUORVEX_SITE_TEMPLATE_FOLDER_UTIL_H_

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

class Prompter;

// Helpers shared by the installed template folders ("Site Templates" and
// "Style Templates"): folder scans, text files read line by line, and the
// rules for the names a user gives a new template.

// Which entries a folder scan returns.
enum class EntryKind { kFile, kFolder };

// Returns the names of the entries of `dir` of `kind`, in no particular
// order. Hidden entries (names starting with ".") are skipped, and so are
// entries of the other kind (a link counts as what it points to). Empty when
// `dir` cannot be read.
std::vector<std::string> visibleEntryNames(const std::filesystem::path& dir, EntryKind kind);

// Returns `dir` / `name` when `name` can name one entry of the folder: not
// empty, not "." or "..", without "/" or "\". Returns nullopt otherwise, so
// that a name from a document or a user never leads elsewhere.
std::optional<std::filesystem::path> entryPath(const std::filesystem::path& dir,
                                               std::string_view name);

// Sorts `names` ascending by exact byte comparison (upper case before lower
// case).
void sortByBytes(std::vector<std::string>& names);

// Returns the lines of `text`: split at each line feed, a carriage return
// before it dropped. A final line without line feed counts; the empty text
// has no lines.
std::vector<std::string> splitLines(std::string_view text);

// Reads the whole file `file`. On failure returns nullopt and, when `error`
// is given, the system's description of why.
std::optional<std::string> readTextFile(const std::filesystem::path& file,
                                        std::string* error = nullptr);

// Returns the first line of the file `file` (without its line end), "" for
// an empty file, nullopt when it cannot be read.
std::optional<std::string> readFirstLine(const std::filesystem::path& file);

// Returns `base` when no name of `taken` equals it, otherwise the first of
// `base` + " 2", `base` + " 3", ... that is free.
std::string firstFreeName(const std::string& base, const std::vector<std::string>& taken);

// Checks a name typed for a new site or style template ("Site" or "Style"
// as `kind`): shows `emptyMessage` for an empty name and "Sorry, <kind> Name
// may not include any of these characters:\n" followed by \ / : * ? " < > |
// for a name holding one of them. Returns true when the name passes.
bool acceptTemplateName(const std::string& name, const char* kind, const char* emptyMessage,
                        Prompter& prompter);

// Shows "The name '<name>' is already in use.  Please choose a different
// <kind> Name to continue." and returns false when `name` differs from
// `ownName` and equals one of `names`; returns true otherwise.
bool acceptFreeTemplateName(const std::string& name, const std::string& ownName,
                            const std::vector<std::string>& names, const char* kind,
                            Prompter& prompter);

}  // namespace quorvex

#endif  // QUORVEX_SITE_TEMPLATE_FOLDER_UTIL_H_
