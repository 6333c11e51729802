#ifndef QUORVEX_APP_DISPLAY_STYLE_CHOOSER_H_
#define QUORVEX_APP_DISPLAY_STYLE_CHOOSER_H_

#include <filesystem>
#include <optional>
#include <string>

#include "app/dialog_host.h"

namespace quorvex {

class Prompter;

// How the product page settings pick their display style (layoutFile): a
// file dialog whose choice must be a properly formatted display style
// (checkDisplayStyle() of generator/display_style_check.h), and the check of
// layoutFile when the settings close with OK. Messages have an OK button and
// no icon.
//
// The host and prompter must outlive the chooser.
class DisplayStyleChooser {
 public:
  // `home` is the program folder, against which relative layout files are
  // read.
  DisplayStyleChooser(DialogHost& host, Prompter& prompter, std::filesystem::path home);

  // Returns the file dialog "Choose Display Layout File..." with the filters
  // "HTML Files (*.htm;*.html)" and "All Files (*.*)", starting in the folder
  // of `layoutFile`, or in the program folder's "Display Styles" when
  // `layoutFile` names no folder.
  FileDialogRequest request(const std::string& layoutFile) const;

  // Lets the user choose a display style, starting from `layoutFile`. A file
  // that cannot be opened gives "I'm sorry, that file does not exist.", one
  // that fails the check "The file you have chosen is not a properly
  // formatted display style."; the dialog then opens again. Returns the full
  // path of a passing file, or nullopt when the user cancelled.
  std::optional<std::string> choose(const std::string& layoutFile);

  // What OK of the product page settings does: when `layoutFile` fails the
  // check, shows "The display file you have chosen is not a properly
  // formatted Quorvex display style" and runs choose() once, whose choice
  // replaces `layoutFile`. The settings are accepted either way.
  void confirm(std::string& layoutFile);

 private:
  DialogHost& host_;
  Prompter& prompter_;
  std::filesystem::path home_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_DISPLAY_STYLE_CHOOSER_H_
