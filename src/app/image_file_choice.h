#ifndef QUORVEX_APP_IMAGE_FILE_CHOICE_H_
#define QUORVEX_APP_IMAGE_FILE_CHOICE_H_

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace quorvex {

struct AppServices;
class DialogHost;

// Asks the user for a file or a folder, the dialog starting from the stored
// path `current`; returns the choice, or nullopt when the user cancelled.
using PathChooser = std::function<std::optional<std::filesystem::path>(const std::string& current)>;

// Lets the user pick a picture with an open-file dialog titled `title` and
// the filters "Image Files (GIF, JPEG, BMP, PNG)" and "All Files (*.*)",
// starting in the folder of the stored path `current` or, when that names
// no folder, in the folder where an image was last picked in any step. A
// file that cannot be read gives "I'm sorry, that file does not exist." and
// the dialog opens again. Returns the chosen file, whose folder becomes the
// one last used, or nullopt when the user cancelled.
std::optional<std::filesystem::path> chooseImageFile(AppServices& app, const std::string& title,
                                                     const std::string& current);

// Lets the user pick the folder of the product pictures with a folder dialog
// titled "Image File Path", starting in `current`. Returns the chosen folder,
// or nullopt when the user cancelled.
std::optional<std::filesystem::path> choosePictureFolder(DialogHost& host,
                                                         const std::string& current);

}  // namespace quorvex

#endif  // QUORVEX_APP_IMAGE_FILE_CHOICE_H_
