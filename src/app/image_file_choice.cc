#include "app/image_file_choice.h"

#include <fstream>
#include <system_error>

#include "app/app_services.h"
#include "app/dialog_host.h"
#include "app/front_end.h"
#include "platform/env.h"
#include "platform/paths.h"

namespace quorvex {

namespace fs = std::filesystem;

std::optional<fs::path> chooseImageFile(AppServices& app, const std::string& title,
                                        const std::string& current) {
  FileDialogRequest request;
  request.title = title;
  const fs::path currentFolder = nativePath(current).parent_path();
  request.folder = currentFolder.empty() ? app.lastImageFolder : currentFolder;
  request.filters = {{"Image Files (GIF, JPEG, BMP, PNG)", "*.gif;*.jpg;*.jpeg;*.bmp;*.png"},
                     {"All Files (*.*)", "*.*"}};
  while (std::optional<fs::path> file = app.frontEnd.chooseFile(request)) {
    std::error_code error;
    if (fs::is_regular_file(*file, error) && std::ifstream(*file, std::ios::binary)) {
      app.lastImageFolder = file->parent_path();
      return file;
    }
    app.env.prompter().showMessage("I'm sorry, that file does not exist.");
  }
  return std::nullopt;
}

std::optional<fs::path> choosePictureFolder(DialogHost& host, const std::string& current) {
  FileDialogRequest request;
  request.title = "Image File Path";
  request.chooseFolder = true;
  request.folder = nativePath(current);
  return host.chooseFile(request);
}

}  // namespace quorvex
