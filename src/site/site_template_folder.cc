#include "site/site_template_folder.h"

#include <string_view>
#include <system_error>

#include "platform/atomic_file.h"
#include "platform/paths.h"
#include "platform/strings.h"
#include "site/template_folder_util.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

// The templates that ship with the program count as permanent whatever
// "Permanent.ini" says.
constexpr std::string_view kBuiltInPermanent =
    "Basic commerce web site&Informative web site&Interactive web site&"
    "Just add commerce to my site&Site without commerce";

constexpr const char* kPermanentFile = "Permanent.ini";

// Files of the folder that are not templates (matched anywhere in the name,
// exact case).
bool isTemplateFileName(std::string_view name) {
  for (std::string_view other : {".stp", ".scc", kPermanentFile}) {
    if (name.find(other) != std::string_view::npos) return false;
  }
  return true;
}

}  // namespace

SiteTemplateFolder::SiteTemplateFolder(const Env& env, CSiteTemplate& site)
    : env_(env), site_(site) {}

std::vector<std::string> SiteTemplateFolder::templateNamesIn(const fs::path& home) {
  std::vector<std::string> names;
  for (std::string& name : visibleEntryNames(home / kFolderName, EntryKind::kFile)) {
    if (isTemplateFileName(name)) names.push_back(std::move(name));
  }
  sortByBytes(names);
  return names;
}

bool SiteTemplateFolder::isPermanentName(const fs::path& home, const std::string& name) {
  if (kBuiltInPermanent.find(name) != std::string_view::npos) return true;
  std::optional<std::string> permanent = readFirstLine(home / kFolderName / kPermanentFile);
  return permanent && permanent->find(name) != std::string::npos;
}

fs::path SiteTemplateFolder::folder() const { return env_.home() / kFolderName; }

std::optional<fs::path> SiteTemplateFolder::fileOf(const std::string& name) const {
  return entryPath(folder(), name);
}

void SiteTemplateFolder::showFileError(const std::string& reason) const {
  env_.prompter().showMessage("FILE ERROR: " + reason);
}

const std::vector<std::string>& SiteTemplateFolder::scan() {
  site_.templateNames = templateNamesIn(env_.home());
  const int32_t position = site_.find(site_.currentName);
  if (position >= 0) site_.currentIndex = position;
  return site_.templateNames;
}

std::optional<std::string> SiteTemplateFolder::select(int32_t index) {
  if (index < 0 || static_cast<size_t>(index) >= site_.templateNames.size()) {
    env_.prompter().showMessage(
        "The site template chosen for your site could not be found.\nPlease, select another "
        "site template.");
    return std::nullopt;
  }
  site_.currentIndex = index;
  site_.currentName = site_.templateNames[index];
  std::optional<fs::path> file = fileOf(site_.currentName);
  std::string reason = std::make_error_code(std::errc::no_such_file_or_directory).message();
  std::optional<std::string> text = file ? readTextFile(*file, &reason) : std::nullopt;
  if (!text) {
    showFileError(reason);
    return "";
  }
  std::vector<std::string> lines = splitLines(*text);
  if (lines.empty()) return "";
  site_.pageTypes.clear();
  for (size_t i = 1; i < lines.size(); ++i) site_.addType(std::string(trim(lines[i], kBlanks)));
  return lines.front();
}

bool SiteTemplateFolder::isPermanent() const {
  const std::string* name = site_.nameAtCurrentIndex();
  return name != nullptr && isPermanentName(env_.home(), *name);
}

void SiteTemplateFolder::listAndSelect(const std::string& name) {
  if (site_.find(name) < 0) site_.templateNames.push_back(name);
  sortByBytes(site_.templateNames);
  select(site_.find(name));
}

bool SiteTemplateFolder::copyCurrentTo(const std::string& name) {
  const std::string* current = site_.nameAtCurrentIndex();
  std::optional<fs::path> source = current ? fileOf(*current) : std::nullopt;
  std::optional<fs::path> target = fileOf(name);
  if (!source || !target) {
    showFileError(std::make_error_code(std::errc::invalid_argument).message());
    return false;
  }
  if (*current != name) {
    std::error_code error;
    fs::copy_file(*source, *target, fs::copy_options::overwrite_existing, error);
    if (error) {
      showFileError(error.message());
      return false;
    }
  }
  listAndSelect(name);
  return true;
}

bool SiteTemplateFolder::saveCurrentAs(const std::string& name) {
  std::string text = "User Defined Site\r\n";
  for (int32_t type : site_.pageTypes) text += CSiteTemplate::nameOfType(type) + "\r\n";
  std::optional<fs::path> file = fileOf(name);
  if (!file || !replaceFileAtomically(*file, text).ok()) {
    env_.prompter().showMessage("Could not open file " + name + " for writing.");
    return false;
  }
  const std::string* current = site_.nameAtCurrentIndex();
  if (current == nullptr || *current == name) return true;
  const std::string oldName = *current;
  site_.templateNames.erase(site_.templateNames.begin() + site_.currentIndex);
  listAndSelect(name);
  if (std::optional<fs::path> oldFile = fileOf(oldName)) {
    std::error_code ignored;  // the new file is written; a stale old one does no harm
    fs::remove(*oldFile, ignored);
  }
  return true;
}

bool SiteTemplateFolder::deleteCurrent() {
  const std::string* current = site_.nameAtCurrentIndex();
  std::optional<fs::path> file = current ? fileOf(*current) : std::nullopt;
  if (!file) {
    showFileError(std::make_error_code(std::errc::no_such_file_or_directory).message());
    return false;
  }
  std::error_code error;
  fs::remove(*file, error);  // a file that is gone already needs no deleting
  if (error) {
    showFileError(error.message());
    return false;
  }
  site_.templateNames.erase(site_.templateNames.begin() + site_.currentIndex);
  site_.currentIndex = 0;
  site_.currentName = CSiteTemplate::kDefaultTemplateName;
  return true;
}

bool SiteTemplateFolder::indexHasMarker() const {
  std::optional<std::string> text =
      readTextFile(nativePath(site_.existingSiteFolder + site_.existingIndexName));
  if (!text) return false;
  for (const std::string& line : splitLines(*text)) {
    if (line == kIndexMarker) return true;
  }
  return false;
}

}  // namespace quorvex
