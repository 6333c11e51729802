#ifndef QUORVEX_SITE_STYLE_TEMPLATE_FOLDER_H_
#define QUORVEX_SITE_STYLE_TEMPLATE_FOLDER_H_

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/env.h"
#include "platform/home_folders.h"
#include "site/style_template.h"

namespace quorvex {

// The "Style Templates" folder of the program folder, as seen through one
// CTemplate record: listing, loading, saving, copying, renaming and deleting
// styles. A style is either a file <name>.cfg (its configuration, see
// style_config_file.h) or a folder <name> holding a "TempConfig.cfg" beside
// its HTML templates and its "Images" folder. Messages go through the Env's
// prompter. Paths written into the record are relative to the program
// folder.
class StyleTemplateFolder {
 public:
  static constexpr const char* kFolderName = kStyleTemplatesFolder;
  // The configuration file of a folder style.
  static constexpr const char* kFolderConfigName = "TempConfig.cfg";

  // `env` and `style` must outlive this object.
  StyleTemplateFolder(const Env& env, CTemplate& style);

  // Returns the names of the styles in the "Style Templates" folder of
  // `home`, sorted by exact byte comparison: each readable file whose name
  // contains ".cfg" gives its name without the last extension, each folder
  // holding a "TempConfig.cfg" its name without a last extension. A style
  // that is both is listed twice. Hidden entries are skipped; empty when the
  // folder is missing.
  static std::vector<std::string> styleNamesIn(const std::filesystem::path& home);

  // True when the style `name` may not be edited or deleted: its name occurs
  // in the first line of the folder's "Permanent.ini". False without that
  // file.
  static bool isPermanentName(const std::filesystem::path& home, const std::string& name);

  // Rebuilds styleNames from the folder. Then, when currentName is not
  // empty, sets currentIndex to its position; otherwise takes currentName
  // from the position currentIndex. Returns false when the chosen style is
  // not listed (nothing is changed then but styleNames).
  bool scan();

  // Sets currentIndex to `index`; when it lies within styleNames, takes the
  // name there as currentName, resets every setting (resetSettings) and
  // reads <name>.cfg, or failing that <name>/TempConfig.cfg with templatePath
  // "Style Templates\<name>\". Returns false for an index outside the list
  // and, after showing "FILE ERROR: " + the reason, when neither file can be
  // read.
  [[nodiscard]] bool load(int32_t index);

  // Writes the settings to <currentName>.cfg. Returns false (writing
  // nothing) after showing "FILE ERROR: " + the reason when it cannot be
  // written.
  [[nodiscard]] bool save();

  // Returns "New Style", or the first of "New Style 2", "New Style 3", ...
  // that no style bears.
  std::string newName() const;

  // Lists `name` (a new style with the current settings), selects it, saves
  // and loads it. Returns false, leaving the record as it was, after showing
  // the file error when saving or loading failed.
  [[nodiscard]] bool addStyle(const std::string& name);

  // Gives the current style the name `newName`: renames <old>.cfg, and the
  // folder <old> when there is one and no folder <newName>; every path of the
  // style that lay in Style Templates\<old>\ (templatePath, backImage and the
  // other pictures) is pointed to the same place in Style Templates\<newName>\;
  // the list is updated and re-sorted, and the style saved. Returns false
  // after showing "FILE ERROR: " + the reason when a file cannot be renamed
  // or the name is unusable.
  [[nodiscard]] bool rename(const std::string& newName);

  // Deletes the current style: the folder <name> with everything in it and
  // <name>.cfg; removes the name from styleNames and sets currentIndex to 0.
  // Returns false after showing "FILE ERROR: " + the reason when something
  // could not be deleted (or there is no current style).
  [[nodiscard]] bool deleteStyle();

  // isPermanentName() of the current style.
  bool isPermanent() const;

  // Makes a folder style named `name` from the folder `baseFolder` (relative
  // to the program folder unless absolute): creates Style Templates\<name>
  // and its "Images" folder and copies into them every file of the base
  // folder except "Sample.bmp" and every file of the base's "Images" folder,
  // never overwriting a file. templatePath then names the new folder, and the
  // user is told "A new directory called "<name>" has been created with
  // duplicate files." Returns false after showing "FILE ERROR: " + the
  // reason when the folders cannot be made or a file cannot be copied.
  [[nodiscard]] bool copyBaseTemplate(const std::string& baseFolder, const std::string& name);

  // Returns the preview pictures of the current style that exist, in the
  // order they are tried: Previews\<name>.jpg, Previews\<name>.bmp,
  // <name>\Sample.bmp (names found without regard to case).
  std::vector<std::filesystem::path> previewFiles() const;

 private:
  std::filesystem::path folder() const;
  // Returns the configuration text of the style `name`: <name>.cfg, failing
  // that <name>\TempConfig.cfg, which makes the folder the style's
  // templatePath. Nullopt, with the reason in `reason` when there is one,
  // when neither can be read.
  std::optional<std::string> readConfigOf(const std::string& name, std::string* reason);
  // Points every path of the style under Style Templates\<from>\ to the same
  // place under Style Templates\<to>\.
  void movePaths(const std::string& from, const std::string& to);
  void showFileError(const std::string& reason) const;

  const Env& env_;
  CTemplate& style_;
};

}  // namespace quorvex

#endif  // QUORVEX_SITE_STYLE_TEMPLATE_FOLDER_H_
