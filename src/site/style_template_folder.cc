#include "site/style_template_folder.h"

#include <algorithm>
#include <optional>
#include <system_error>

#include "platform/atomic_file.h"
#include "platform/paths.h"
#include "platform/strings.h"
#include "site/style_config_file.h"
#include "site/template_folder_util.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

constexpr const char* kPermanentFile = "Permanent.ini";
constexpr const char* kConfigExtension = ".cfg";
constexpr const char* kSampleName = "Sample.bmp";
constexpr const char* kImagesFolder = "Images";

// `name` without its last extension (the text from its last "."), as styles
// are named after their file or folder.
std::string withoutExtension(const std::string& name) {
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

// The folder of the style `name` as the record keeps it: "Style
// Templates\<name>\", relative to the program folder.
std::string storedFolderOf(const std::string& name) {
  return std::string(StyleTemplateFolder::kFolderName) + "\\" + name + "\\";
}

bool canRead(const fs::path& file) { return readTextFile(file).has_value(); }

// The fields of a style that hold paths of files or folders.
std::vector<std::string*> pathsOf(CTemplate& style) {
  std::vector<std::string*> paths = {
      &style.templatePath,     &style.backImage,        &style.def_buy_img,
      &style.def_continue_img, &style.def_submit_img,   &style.def_view_img,
      &style.def_delete_img,   &style.def_minus_img,    &style.def_plus_img,
      &style.on_buy_img,       &style.on_continue_img,  &style.on_submit_img,
      &style.on_view_img,      &style.linkImage,        &style.linkPressedImage,
      &style.empty_cart_img,   &style.full_cart_img};
  for (std::string& image : style.defaultImages) paths.push_back(&image);
  return paths;
}

// Returns `path` pointed from the folder Style Templates\<from>\ to
// Style Templates\<to>\ when it lies in the former (at its start or after a
// separator, without regard to case or separator kind); nullopt otherwise.
std::optional<std::string> movedPath(const std::string& path, const std::string& from,
                                     const std::string& to) {
  std::string slashed = path;
  std::replace(slashed.begin(), slashed.end(), '\\', '/');
  if (slashed.empty() || slashed.back() != '/') slashed += '/';
  const std::string folder = std::string(StyleTemplateFolder::kFolderName) + "/" + from + "/";
  for (size_t at = 0; at + folder.size() <= slashed.size(); ++at) {
    if ((at == 0 || slashed[at - 1] == '/') &&
        equalsIgnoreCase(std::string_view(slashed).substr(at, folder.size()), folder)) {
      const std::string rest = at + folder.size() < path.size() ? path.substr(at + folder.size())
                                                                : "";
      return path.substr(0, at) + storedFolderOf(to) + rest;
    }
  }
  return std::nullopt;
}

// Copies every visible file of `from` into `to` that `to` lacks, except a
// file named `except` (any case). Returns the first error.
std::error_code copyMissingFiles(const fs::path& from, const fs::path& to, const char* except) {
  for (const std::string& name : visibleEntryNames(from, EntryKind::kFile)) {
    if (except != nullptr && equalsIgnoreCase(name, except)) continue;
    std::error_code error;
    fs::copy_file(from / name, to / name, fs::copy_options::skip_existing, error);
    if (error) return error;
  }
  return {};
}

}  // namespace

StyleTemplateFolder::StyleTemplateFolder(const Env& env, CTemplate& style)
    : env_(env), style_(style) {}

fs::path StyleTemplateFolder::folder() const { return env_.home() / kFolderName; }

void StyleTemplateFolder::showFileError(const std::string& reason) const {
  env_.prompter().showMessage("FILE ERROR: " + reason);
}

std::vector<std::string> StyleTemplateFolder::styleNamesIn(const fs::path& home) {
  const fs::path styles = home / kFolderName;
  std::vector<std::string> names;
  for (const std::string& file : visibleEntryNames(styles, EntryKind::kFile)) {
    if (file.find(kConfigExtension) != std::string::npos && canRead(styles / file)) {
      names.push_back(withoutExtension(file));
    }
  }
  for (const std::string& folder : visibleEntryNames(styles, EntryKind::kFolder)) {
    std::optional<fs::path> config = findCaseInsensitive(styles / folder, kFolderConfigName);
    if (config && canRead(*config)) names.push_back(withoutExtension(folder));
  }
  sortByBytes(names);
  return names;
}

bool StyleTemplateFolder::isPermanentName(const fs::path& home, const std::string& name) {
  std::optional<std::string> permanent = readFirstLine(home / kFolderName / kPermanentFile);
  return permanent && permanent->find(name) != std::string::npos;
}

bool StyleTemplateFolder::scan() {
  style_.styleNames = styleNamesIn(env_.home());
  const std::vector<std::string>& names = style_.styleNames;
  if (!style_.currentName.empty()) {
    auto it = std::find(names.begin(), names.end(), style_.currentName);
    if (it == names.end()) return false;
    style_.currentIndex = static_cast<int32_t>(it - names.begin());
    return true;
  }
  if (style_.currentIndex < 0 || static_cast<size_t>(style_.currentIndex) >= names.size()) {
    return false;
  }
  style_.currentName = names[style_.currentIndex];
  return true;
}

bool StyleTemplateFolder::load(int32_t index) {
  style_.currentIndex = index;
  if (index < 0 || static_cast<size_t>(index) >= style_.styleNames.size()) return false;
  style_.currentName = style_.styleNames[index];
  style_.resetSettings();
  std::string reason = std::make_error_code(std::errc::no_such_file_or_directory).message();
  std::optional<std::string> text = readConfigOf(style_.currentName, &reason);
  if (!text) {
    showFileError(reason);
    return false;
  }
  readStyleConfig(*text, style_);
  return true;
}

std::optional<std::string> StyleTemplateFolder::readConfigOf(const std::string& name,
                                                             std::string* reason) {
  if (!entryPath(folder(), name)) return std::nullopt;
  if (std::optional<fs::path> file = findCaseInsensitive(folder(), name + kConfigExtension)) {
    if (std::optional<std::string> text = readTextFile(*file, reason)) return text;
  }
  std::optional<fs::path> own = findCaseInsensitive(folder(), name);
  std::optional<fs::path> config =
      own ? findCaseInsensitive(*own, kFolderConfigName) : std::nullopt;
  std::optional<std::string> text = config ? readTextFile(*config, reason) : std::nullopt;
  if (text) style_.templatePath = storedFolderOf(name);
  return text;
}

bool StyleTemplateFolder::save() {
  if (!entryPath(folder(), style_.currentName)) {  // no name of a style
    showFileError(std::make_error_code(std::errc::invalid_argument).message());
    return false;
  }
  Status written = replaceFileAtomically(folder() / (style_.currentName + kConfigExtension),
                                         writeStyleConfig(style_));
  if (!written.ok()) showFileError(written.message());
  return written.ok();
}

std::string StyleTemplateFolder::newName() const {
  return firstFreeName("New Style", style_.styleNames);
}

bool StyleTemplateFolder::addStyle(const std::string& name) {
  const CTemplate before = style_;
  style_.styleNames.push_back(name);
  sortByBytes(style_.styleNames);
  auto it = std::find(style_.styleNames.begin(), style_.styleNames.end(), name);
  style_.currentIndex = static_cast<int32_t>(it - style_.styleNames.begin());
  style_.currentName = name;
  if (save() && load(style_.currentIndex)) return true;
  style_ = before;
  return false;
}

bool StyleTemplateFolder::rename(const std::string& newName) {
  const std::string oldName = style_.currentName;
  if (newName == oldName) return save();
  std::optional<fs::path> oldFolder = entryPath(folder(), oldName);
  std::optional<fs::path> newFolder = entryPath(folder(), newName);
  if (!oldFolder || !newFolder) {
    showFileError(std::make_error_code(std::errc::invalid_argument).message());
    return false;
  }
  std::error_code error;
  fs::path oldConfig = folder() / (oldName + kConfigExtension);
  if (fs::exists(oldConfig, error)) {
    fs::rename(oldConfig, folder() / (newName + kConfigExtension), error);
  }
  // (exists() reports a missing file without an error; is_directory() does
  // not.)
  if (!error && fs::exists(*oldFolder, error) && fs::is_directory(*oldFolder, error) &&
      !fs::exists(*newFolder, error) && !error) {
    fs::rename(*oldFolder, *newFolder, error);
  }
  if (error) {
    showFileError(error.message());
    return false;
  }
  for (std::string* path : pathsOf(style_)) {
    if (std::optional<std::string> moved = movedPath(*path, oldName, newName)) *path = *moved;
  }
  std::vector<std::string>& names = style_.styleNames;
  std::replace(names.begin(), names.end(), oldName, newName);
  sortByBytes(names);
  style_.currentIndex = static_cast<int32_t>(std::find(names.begin(), names.end(), newName) -
                                             names.begin());
  style_.currentName = newName;
  return save();
}

bool StyleTemplateFolder::deleteStyle() {
  const std::string name = style_.currentName;
  std::optional<fs::path> own = entryPath(folder(), name);
  if (!own) {
    showFileError(std::make_error_code(std::errc::no_such_file_or_directory).message());
    return false;
  }
  std::error_code error;
  fs::remove_all(*own, error);
  if (!error) fs::remove(folder() / (name + kConfigExtension), error);
  if (error) {
    showFileError(error.message());
    return false;
  }
  std::vector<std::string>& names = style_.styleNames;
  names.erase(std::remove(names.begin(), names.end(), name), names.end());
  style_.currentIndex = 0;
  return true;
}

bool StyleTemplateFolder::isPermanent() const {
  return isPermanentName(env_.home(), style_.currentName);
}

bool StyleTemplateFolder::copyBaseTemplate(const std::string& baseFolder,
                                           const std::string& name) {
  std::optional<fs::path> target = entryPath(folder(), name);
  if (!target) {
    showFileError(std::make_error_code(std::errc::invalid_argument).message());
    return false;
  }
  fs::path base = nativePath(baseFolder);
  if (base.is_relative()) base = env_.home() / base;
  std::error_code error;
  fs::create_directories(*target / kImagesFolder, error);
  if (!error) error = copyMissingFiles(base, *target, kSampleName);
  if (!error) {
    if (std::optional<fs::path> images = findCaseInsensitive(base, kImagesFolder)) {
      error = copyMissingFiles(*images, *target / kImagesFolder, nullptr);
    }
  }
  if (error) {
    showFileError(error.message());
    return false;
  }
  style_.templatePath = storedFolderOf(name);
  env_.prompter().showMessage("A new directory called \"" + name +
                              "\" has been created with duplicate files.");
  return true;
}

std::vector<fs::path> StyleTemplateFolder::previewFiles() const {
  std::vector<fs::path> found;
  const std::string& name = style_.currentName;
  if (!entryPath(folder(), name)) return found;
  const fs::path previews = folder() / "Previews";
  for (const std::string& file : {name + ".jpg", name + ".bmp"}) {
    if (std::optional<fs::path> preview = findCaseInsensitive(previews, file)) {
      found.push_back(*preview);
    }
  }
  if (std::optional<fs::path> own = findCaseInsensitive(folder(), name)) {
    if (std::optional<fs::path> sample = findCaseInsensitive(*own, kSampleName)) {
      found.push_back(*sample);
    }
  }
  return found;
}

}  // namespace quorvex
