#ifndef QUORVEX_APP_DIALOG_HOST_H_
#define QUORVEX_APP_DIALOG_HOST_H_

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/dialog_model.h"
#include "platform/status.h"

namespace quorvex {

// One entry of a file dialog's type list.
struct FileFilter {
  // What the list shows, such as "Quorvex Files (*.qvx)".
  std::string label;
  // The patterns, separated by ";", such as "*.gif;*.jpg".
  std::string patterns;
};

// What a file dialog asks for.
struct FileDialogRequest {
  // True for a save dialog, false for an open dialog.
  bool save = false;
  // The dialog's title; empty for the platform's own.
  std::string title;
  // The folder the dialog starts in, and the name it proposes.
  std::filesystem::path folder;
  std::string fileName;
  std::vector<FileFilter> filters;
  // Added to a typed name without extension (".qvx"); empty for none.
  std::string defaultExtension;
  // A save dialog asks before it lets the user choose an existing file.
  bool confirmOverwrite = false;
  // An open dialog that chooses an existing folder instead of a file; the
  // filters and the proposed name do not apply.
  bool chooseFolder = false;
};

// The framework's answer to "save the changes of the open document?".
enum class SaveChangesAnswer { kYes, kNo, kCancel };

// The modal parts of a front end that dialog models and the document
// lifecycle need: showing a dialog, choosing a file and the save-changes
// question. Messages and yes/no questions go through the Env's Prompter.
class DialogHost {
 public:
  virtual ~DialogHost() = default;

  // Shows `model` modally and returns how it ended; OK, Next and Previous are
  // returned only after model.accept() returned true. The front end finds
  // the view of the model through model.acceptVisitor() and keeps it in step
  // with the model's change notifications while the dialog is open.
  virtual DialogResult runDialog(DialogModel& model) = 0;

  // Shows a file dialog; returns the chosen file, or nullopt when the user
  // cancelled.
  virtual std::optional<std::filesystem::path> chooseFile(const FileDialogRequest& request) = 0;

  // Asks whether the modified document titled `title` is to be saved first.
  virtual SaveChangesAnswer askSaveChanges(const std::string& title) = 0;
};

class Prompter;

// Shows `dialog` until the user cancels it or `take` accepts what it holds:
// `take` stores the dialog's values and succeeds, or fails with the message
// to show, after which the dialog opens again with the entries as they were.
// Returns true when `take` succeeded.
bool runUntilTaken(DialogHost& host, Prompter& prompter, DialogModel& dialog,
                   const std::function<Status()>& take);

}  // namespace quorvex

#endif  // QUORVEX_APP_DIALOG_HOST_H_
