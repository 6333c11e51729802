#include "app/display_style_chooser.h"

#include <utility>

#include "generator/display_style_check.h"
#include "platform/home_folders.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "platform/text_file.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {


}  // namespace

DisplayStyleChooser::DisplayStyleChooser(DialogHost& host, Prompter& prompter, fs::path home)
    : host_(host), prompter_(prompter), home_(std::move(home)) {}

FileDialogRequest DisplayStyleChooser::request(const std::string& layoutFile) const {
  FileDialogRequest request;
  request.title = "Choose Display Layout File...";
  request.filters = {{"HTML Files (*.htm;*.html)", "*.htm;*.html"}, {"All Files (*.*)", "*.*"}};
  const bool namesFolder = layoutFile.find_first_of("\\/") != std::string::npos;
  request.folder =
      namesFolder ? (home_ / nativePath(layoutFile)).parent_path() : home_ / kDisplayStylesFolder;
  return request;
}

std::optional<std::string> DisplayStyleChooser::choose(const std::string& layoutFile) {
  const FileDialogRequest dialog = request(layoutFile);
  while (std::optional<fs::path> file = host_.chooseFile(dialog)) {
    const FileLines style = readFileLines(*file, "");
    if (!style.opened) {
      prompter_.showMessage("I'm sorry, that file does not exist.");
    } else if (style.error || !checkDisplayStyleText(style.text)) {
      prompter_.showMessage("The file you have chosen is not a properly formatted display style.");
    } else {
      return file->string();
    }
  }
  return std::nullopt;
}

void DisplayStyleChooser::confirm(std::string& layoutFile) {
  if (checkDisplayStyle(resolveStoredPath(home_, layoutFile))) return;
  prompter_.showMessage(
      "The display file you have chosen is not a properly formatted Quorvex display style");
  if (std::optional<std::string> chosen = choose(layoutFile)) layoutFile = std::move(*chosen);
}

}  // namespace quorvex
