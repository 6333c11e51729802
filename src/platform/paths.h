#ifndef QUORVEX_PLATFORM_PATHS_H_
#define QUORVEX_PLATFORM_PATHS_H_

#include <filesystem>
#include <optional>
#include <string_view>

namespace quorvex {

// Documents and template configurations store paths with backslashes. The
// stored text is kept as it is; these helpers convert at the point where the
// file system is touched.

// Returns `stored` with every backslash turned into a slash.
std::filesystem::path nativePath(std::string_view stored);

// Returns the entry of `dir` whose name equals `name` without regard to ASCII
// case, preferring an exact match; nullopt when there is none or `dir` cannot
// be read. `name` is a single path component.
std::optional<std::filesystem::path> findCaseInsensitive(const std::filesystem::path& dir,
                                                         std::string_view name);

// Returns `dir` joined with the relative name `name` (backslashes allowed), or
// nullopt when `name` is empty, absolute, carries a drive letter or has a ".."
// component: a name taken from a document, a template or the network must not
// lead out of the folder it is meant for.
std::optional<std::filesystem::path> joinInside(const std::filesystem::path& dir,
                                                std::string_view name);

// True when `name` is one file name and nothing more: not empty, not "." or
// "..", and free of path separators (slash and backslash), drive letters
// (colons) and control characters (NUL among them). A name from a document
// or the order data that must stay in one given folder (an index page, a
// remote file name, a downloaded item's file) is checked with it.
bool isSingleFileName(std::string_view name);

// Returns the file a stored path names: backslashes read as folder
// separators, a relative path taken relative to `home`, and a file that does
// not exist under that exact name looked up in its folder without regard to
// case (the path as given when that fails too).
std::filesystem::path resolveStoredPath(const std::filesystem::path& home,
                                        std::string_view stored);

// True when `path` lies below `folder` (or is `folder`), compared on the
// normalised texts of both without touching the file system; false for an
// empty folder.
bool isWithin(const std::filesystem::path& folder, const std::filesystem::path& path);

}  // namespace quorvex

#endif  // QUORVEX_PLATFORM_PATHS_H_
