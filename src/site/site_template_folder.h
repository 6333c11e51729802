#ifndef QUORVEX_SITE_SITE_TEMPLATE_FOLDER_H_
#define QUORVEX_SITE_SITE_TEMPLATE_FOLDER_H_

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/env.h"
#include "platform/home_folders.h"
#include "site/site_template.h"

namespace quorvex {

// The "Site Templates" folder of the program folder, as seen through one
// CSiteTemplate record: listing, reading, writing, copying and deleting the
// template files. A template is a text file whose first line describes the
// site and whose every further line names one page ("Home Page", "Quorvex
// Pages", ...). Messages go through the Env's prompter.
class SiteTemplateFolder {
 public:
  static constexpr const char* kFolderName = kSiteTemplatesFolder;
  // The line of an existing site's index page that marks it as made by the
  // program.
  static constexpr const char* kIndexMarker =
      "<!-- This line is needed by Quorvex, do not change it -->";

  // `env` and `site` must outlive this object.
  SiteTemplateFolder(const Env& env, CSiteTemplate& site);

  // Returns the names of the site templates in the "Site Templates" folder of
  // `home`, sorted by exact byte comparison: every visible file whose name
  // contains none of ".stp", ".scc" and "Permanent.ini". Empty when the
  // folder is missing.
  static std::vector<std::string> templateNamesIn(const std::filesystem::path& home);

  // True when the template `name` may not be edited or deleted: its name
  // occurs in the first line of the folder's "Permanent.ini" or in the names
  // of the templates that ship with the program (so "site" and "" count).
  static bool isPermanentName(const std::filesystem::path& home, const std::string& name);

  // Rebuilds templateNames from the folder and sets currentIndex to the
  // position of currentName when it is listed (otherwise leaves it).
  // Returns templateNames.
  const std::vector<std::string>& scan();

  // Selects the template at `index`: sets currentIndex and currentName and
  // reads the file: its first line is returned as the description and the
  // further lines, trimmed, become pageTypes. A file without lines gives ""
  // and leaves pageTypes; a file that cannot be read shows "FILE ERROR: " +
  // the reason and gives "". An index outside templateNames shows "The site
  // template chosen for your site could not be found.\nPlease, select
  // another site template." and returns nullopt.
  std::optional<std::string> select(int32_t index);

  // isPermanentName() of the template at currentIndex (false when there is
  // none).
  bool isPermanent() const;

  // Copies the current template's file to `name` in the folder, overwriting,
  // lists the name and selects it. Returns false after showing the error
  // when the name is unusable or the copy fails.
  [[nodiscard]] bool copyCurrentTo(const std::string& name);

  // Writes pageTypes as the template file `name` ("User Defined Site", then
  // one display name per line, CR LF line ends). When `name` differs from the
  // current template's name, the new name takes the old one's place in the
  // list and is selected, and the old file is deleted. Returns false after
  // showing "Could not open file <name> for writing." when the file cannot
  // be written; nothing else changes then.
  [[nodiscard]] bool saveCurrentAs(const std::string& name);

  // Deletes the current template's file (if it still exists) and its name;
  // currentIndex becomes 0 and currentName "Basic commerce web site".
  // Returns false after showing "FILE ERROR: " + the reason when the file
  // cannot be deleted (nothing changes then) or there is no current
  // template.
  [[nodiscard]] bool deleteCurrent();

  // True when the existing site's index page (existingSiteFolder +
  // existingIndexName) holds a line that equals kIndexMarker.
  bool indexHasMarker() const;

 private:
  // The file of template `name` in the folder; nullopt for a name that would
  // lead out of it.
  std::optional<std::filesystem::path> fileOf(const std::string& name) const;
  std::filesystem::path folder() const;
  // Lists `name` once, sorts the list and selects it.
  void listAndSelect(const std::string& name);
  void showFileError(const std::string& reason) const;

  const Env& env_;
  CSiteTemplate& site_;
};

}  // namespace quorvex

#endif  // QUORVEX_SITE_SITE_TEMPLATE_FOLDER_H_
