#ifndef QUORVEX_APP_COMPANY_NAME_H_
#define QUORVEX_APP_COMPANY_NAME_H_

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/status.h"

namespace quorvex {

class CBrenquilDoc;

// The characters a company name may not hold: the name names the document
// file and the site folder.
inline constexpr std::string_view kCompanyNameForbidden = "\\/:*?\"<>|#%";

// The longest company name: with ".qvx" it must still be a file name.
inline constexpr size_t kMaxCompanyNameLength = 200;

// Checks a company name as typed: fails with the Location Information
// step's message when it is empty or only white space, or holds one of the
// forbidden characters; and, since the name names a file and a folder, when
// it holds a control character, is longer than kMaxCompanyNameLength or is
// "." or "..".
Status checkCompanyName(std::string_view typed);

// Fails when the trimmed name `typed` is taken by another company of `home`:
// a document <name>.qvx or a folder <name> exists (names compared without
// regard to case) that is not the one of the document titled `title` at
// `documentPath`. Renaming onto them would overwrite that company's document
// and share its site folder.
Status checkCompanyNameFree(std::string_view typed, const std::filesystem::path& home,
                            const std::string& title,
                            const std::filesystem::path& documentPath);

// Renames the site folder <home>/<old title> (found without regard to case)
// to <home>/<new name>, unless the old one is missing or the new one exists.
// Fails, changing nothing, when the rename itself fails.
Status moveSiteFolder(const std::filesystem::path& home, const std::string& oldTitle,
                      const std::string& newName);

// The part of a rename that changes the document only: when its title
// differs from `newName`, an in-program product table's sourcePath follows
// the site folder, the title becomes the new name and the copyright text
// "Copyright <year> <name>"; in every case each home page gets the new name
// as its header.
void applyCompanyName(CBrenquilDoc& doc, const std::filesystem::path& home,
                      const std::string& newName, int year);

// Ties the company's files to its new name `newName`, which the caller has
// already made the document's company name. When the document's title
// differs from it (byte for byte): the site folder <home>/<old title> is
// renamed to <home>/<new name>; `documentPath` becomes <home>/<new name>.qvx
// and the file it named before, when it exists, is moved there; an
// in-program product table's sourcePath follows the site folder; the title
// becomes the new name; the copyright text becomes "Copyright <year> <name>".
// A move whose target already exists is skipped, and so is one that fails:
// the old file or folder stays where it was. In every case each home page of
// the page list gets the new name as its header. Returns the first failed
// move, naming both paths.
Status renameCompany(CBrenquilDoc& doc, std::filesystem::path& documentPath,
                     const std::filesystem::path& home, const std::string& newName, int year);

}  // namespace quorvex

#endif  // QUORVEX_APP_COMPANY_NAME_H_
