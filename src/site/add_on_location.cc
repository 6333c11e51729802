#include "site/add_on_location.h"

#include <filesystem>
#include <system_error>

#include "platform/paths.h"
#include "platform/prompter.h"
#include "site/site_template.h"
#include "site/template_folder_util.h"

namespace quorvex {

AddOnLocation::AddOnLocation(const CSiteTemplate& site)
    : indexPath(site.existingSiteFolder.empty()
                    ? ""
                    : site.existingSiteFolder + site.existingIndexName),
      keptName(site.oldIndexName) {}

bool AddOnLocation::accept(CSiteTemplate& site, Prompter& prompter) const {
  size_t split = indexPath.rfind('\\');
  if (split == std::string::npos) split = indexPath.rfind('/');
  const std::string folder = split == std::string::npos ? "" : indexPath.substr(0, split + 1);
  const std::string indexName = indexPath.substr(folder.size());
  const bool changed = keptName != site.oldIndexName || folder != site.existingSiteFolder ||
                       indexName != site.existingIndexName;

  std::error_code ignored;
  if ((!site.indexInstalled || changed) &&
      std::filesystem::exists(nativePath(folder + keptName), ignored)) {
    prompter.showMessage("Sorry, the file " + folder + keptName +
                         " already exists.  Please, enter another name than " + keptName +
                         ".\nIf you are sure you would like to use this name, then you can "
                         "delete this file, but remember to make a backup.");
    return false;
  }
  if (indexName.empty() || !readTextFile(nativePath(folder + indexName))) {
    prompter.showMessage("Sorry, the file " + folder + indexName +
                         " could not be found.  Use the Browse button if neccessary.");
    return false;
  }
  site.existingSiteFolder = folder;
  site.existingIndexName = indexName;
  site.oldIndexName = keptName;
  site.locationConfirmed = 1;
  if (changed) site.indexInstalled = 0;
  return true;
}

}  // namespace quorvex
