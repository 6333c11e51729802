#include "app/company_name.h"

#include <optional>
#include <system_error>

#include "company/brenquil_doc.h"
#include "platform/paths.h"
#include "platform/strings.h"
#include "products/product_files.h"
#include "products/product_text.h"
#include "site/full_page.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

// Renames `from` to `to` unless `to` already exists (then both stay as they
// are). Fails, naming both, when the rename itself fails.
Status moveIfFree(const fs::path& from, const fs::path& to) {
  std::error_code error;
  if (fs::exists(to, error)) return Status::success();
  if (!error) fs::rename(from, to, error);
  if (error) {
    return Status::ioError("Could not move \"" + from.string() + "\" to \"" + to.string() +
                           "\": " + error.message());
  }
  return Status::success();
}

Status moveDocumentFile(fs::path& documentPath, const fs::path& newPath) {
  const fs::path oldPath = documentPath;
  documentPath = newPath;
  std::error_code error;
  if (oldPath.empty() || !fs::is_regular_file(oldPath, error)) return Status::success();
  return moveIfFree(oldPath, newPath);
}

void setHomePageHeaders(CPageData& pages, const std::string& name) {
  for (const Owned<CPage>& page : pages.pages) {
    if (page->getType() != kHomePageType) continue;
    if (auto* fullPage = dynamic_cast<CFullPage*>(page.get())) fullPage->header = name;
  }
}

}  // namespace

Status moveSiteFolder(const fs::path& home, const std::string& oldTitle,
                      const std::string& newName) {
  std::optional<fs::path> oldFolder = findCaseInsensitive(home, oldTitle);
  std::optional<fs::path> newFolder = joinInside(home, newName);
  std::error_code error;
  if (!oldFolder || !newFolder || !fs::is_directory(*oldFolder, error)) return Status::success();
  return moveIfFree(*oldFolder, *newFolder);
}

Status checkCompanyName(std::string_view typed) {
  if (trim(typed).empty()) {
    return Status::invalidArgument("I'm sorry, you MUST specify a company name to continue.");
  }
  if (typed.find_first_of(kCompanyNameForbidden) != std::string_view::npos) {
    return Status::invalidArgument(
        "Sorry, Company Name may not include any of these characters:\n" +
        std::string(kCompanyNameForbidden));
  }
  for (unsigned char c : typed) {
    if (c < 0x20 || c == 0x7F) {
      return Status::invalidArgument(
          "Sorry, Company Name may not include control characters such as tabs or line breaks.");
    }
  }
  const std::string name(trim(typed));
  if (name == "." || name == "..") {
    return Status::invalidArgument("Sorry, \"" + name + "\" cannot be a Company Name.");
  }
  if (name.size() > kMaxCompanyNameLength) {
    return Status::invalidArgument("Sorry, Company Name may be at most " +
                                   std::to_string(kMaxCompanyNameLength) +
                                   " characters long.");
  }
  return Status::success();
}

Status checkCompanyNameFree(std::string_view typed, const fs::path& home, const std::string& title,
                            const fs::path& documentPath) {
  const std::string name(trim(typed));
  if (name == title) return Status::success();
  std::error_code error;
  const std::optional<fs::path> ownFolder = findCaseInsensitive(home, title);
  const std::optional<fs::path> document = findCaseInsensitive(home, name + ".qvx");
  const std::optional<fs::path> folder = findCaseInsensitive(home, name);
  const bool takenDocument =
      document && !(!documentPath.empty() && fs::equivalent(*document, documentPath, error));
  const bool takenFolder = folder && !(ownFolder && *folder == *ownFolder);
  if (takenDocument || takenFolder) {
    return Status::refused("Sorry, the company \"" + name +
                           "\" already exists.  Please, choose another Company Name.");
  }
  return Status::success();
}

void applyCompanyName(CBrenquilDoc& doc, const fs::path& home, const std::string& newName,
                      int year) {
  if (doc.title() != newName) {
    CExtraFields& table = *doc.m_pExtraFields;
    // An imported table's sourcePath names the external file, which does not
    // move with the company; only the in-program PriceList.txt does.
    if (!table.sourcePath.empty() && table.inProgram == 1) {
      table.sourcePath = (home / newName / std::string(kPriceListName)).string();
    }
    doc.setTitle(newName);
    doc.m_pBusiness->copyrightText = "Copyright " + std::to_string(year) + " " + newName;
  }
  setHomePageHeaders(*doc.m_pPageData, newName);
}

Status renameCompany(CBrenquilDoc& doc, fs::path& documentPath, const fs::path& home,
                     const std::string& newName, int year) {
  Status status = Status::success();
  if (doc.title() != newName) {
    status = moveSiteFolder(home, doc.title(), newName);
    if (std::optional<fs::path> newPath = joinInside(home, newName + ".qvx")) {
      Status moved = moveDocumentFile(documentPath, *newPath);
      if (status.ok()) status = moved;
    }
  }
  applyCompanyName(doc, home, newName, year);
  return status;
}

}  // namespace quorvex
