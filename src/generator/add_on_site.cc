#include "generator/add_on_site.h"

#include <fstream>

#include "generator/file_copy.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "site/site_template.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

constexpr char kIndexCopyName[] = "indexqvx.bak";
constexpr int kMaxIndexBackups = 99;

bool canOpen(const fs::path& file) {
  std::error_code ec;
  return fs::is_regular_file(file, ec) && std::ifstream(file).is_open();
}

}  // namespace

AddOnSiteSetup::AddOnSiteSetup(fs::path home, CSiteTemplate& site, Prompter& prompter,
                               IndexLocationDialog* dialog, std::function<bool()> hasIndexMarker)
    : home_(std::move(home)),
      site_(site),
      prompter_(prompter),
      dialog_(dialog),
      hasIndexMarker_(std::move(hasIndexMarker)) {}

fs::path AddOnSiteSetup::native(const std::string& stored) const {
  return home_ / nativePath(stored);
}

bool AddOnSiteSetup::confirmLocation() {
  while (site_.locationConfirmed == 0) {
    IndexLocation current{"", site_.oldIndexName};
    if (!site_.existingSiteFolder.empty()) {
      current.indexPath = site_.existingSiteFolder + site_.existingIndexName;
    }
    std::optional<IndexLocation> entered = dialog_ ? dialog_->ask(current) : std::nullopt;
    if (!entered) return false;
    const size_t separator = entered->indexPath.find_last_of("\\/");
    const std::string folder =
        separator == std::string::npos ? "" : entered->indexPath.substr(0, separator + 1);
    const std::string indexName = entered->indexPath.substr(folder.size());
    site_.oldIndexName = entered->keptName;
    if (!canOpen(native(folder + indexName))) {
      prompter_.showMessage("Sorry, the file \"" + folder + indexName +
                            "\" could not be found.  Use the Browse button if neccessary.");
      continue;
    }
    const fs::path kept = native(folder + site_.oldIndexName);
    const bool keptNameUsable =
        isSingleFileName(site_.oldIndexName) && site_.oldIndexName != indexName;
    const bool copied = keptNameUsable && !copyFile(native(folder + indexName), kept, false);
    std::error_code ec;
    if (!copied && (site_.indexInstalled == 0 || !keptNameUsable || !fs::exists(kept, ec))) {
      prompter_.showMessage("Sorry, the file \"" + folder + site_.oldIndexName +
                            "\" already exists.  Please, enter another name than \"" +
                            site_.oldIndexName + "\".");
      continue;
    }
    site_.existingSiteFolder = folder;
    site_.existingIndexName = indexName;
    site_.locationConfirmed = 1;
  }
  return true;
}

void AddOnSiteSetup::backUpUnknownIndex() {
  const std::string index = site_.existingSiteFolder + site_.existingIndexName;
  std::string backup = site_.existingSiteFolder + "index0.old";
  for (int n = 0; n < kMaxIndexBackups; ++n) {
    std::string candidate = site_.existingSiteFolder + "index" + std::to_string(n) + ".old";
    std::error_code ec;
    if (!fs::exists(native(candidate), ec)) {
      backup = candidate;
      copyFile(native(index), native(backup), false);
      break;
    }
  }
  prompter_.showMessage(
      "The index file for your site could not be identified as an Quorvex page.  For your "
      "convenience, the file " +
      index + " was backup up as " + backup);
}

bool AddOnSiteSetup::run() {
  const std::string index = site_.existingSiteFolder + site_.existingIndexName;
  // The index page is replaced by the shop's, so it must be one file of the
  // existing site's folder, kept under a name of that folder first.
  site_.locationConfirmed = site_.locationConfirmed != 0 &&
                                    isSingleFileName(site_.existingIndexName) &&
                                    isSingleFileName(site_.oldIndexName) &&
                                    site_.oldIndexName != site_.existingIndexName &&
                                    canOpen(native(index))
                                ? 1
                                : 0;
  if (!confirmLocation()) return false;
  const fs::path existing = native(site_.existingSiteFolder + site_.existingIndexName);
  const fs::path kept = native(site_.existingSiteFolder + site_.oldIndexName);
  copyFile(existing, kept, false);
  std::error_code ec;
  if (!fs::is_regular_file(kept, ec)) {
    prompter_.showMessage("Sorry, the file \"" + index + "\" could not be kept as \"" +
                          site_.existingSiteFolder + site_.oldIndexName +
                          "\", so it is not replaced.");
    return false;
  }
  copyFile(existing, native(site_.existingSiteFolder + kIndexCopyName), false);
  if (site_.indexInstalled != 0 && (site_.verifyIndexMarker == 0 || !hasIndexMarker_())) {
    backUpUnknownIndex();
  }
  site_.indexInstalled = 1;
  site_.locationConfirmed = 1;
  return true;
}

}  // namespace quorvex
