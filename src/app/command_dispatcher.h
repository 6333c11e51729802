#ifndef QUORVEX_APP_COMMAND_DISPATCHER_H_
#define QUORVEX_APP_COMMAND_DISPATCHER_H_

#include <string>

#include "app/build_commands.h"
#include "app/help_commands.h"
#include "app/step_runner.h"

namespace quorvex {

struct AppServices;
class DialogModel;

// Carries out the commands of the menu, the navigator and the recent-file
// list (app/command_ids.h) against the open document, through the front
// end. A front end sends every command number here, including the commands
// it posted itself, one at a time.
class CommandDispatcher {
 public:
  // Runs the browser check of the help commands through the front end.
  // `app` must outlive the dispatcher.
  explicit CommandDispatcher(AppServices& app);

  // Runs `command` and tells the front end that the document may have
  // changed. Returns false for a number this dispatcher does not carry out
  // (the Edit menu's commands act on the focused text field and belong to
  // the front end).
  bool run(int command);

  // The Help button of `dialog`: shows the dialog's help topic.
  void showHelpFor(const DialogModel& dialog);
  // Shows help topic `topic`, a page of the home's help folder (the main
  // page when there is no such page); F1 of a window without a model.
  void showHelp(const std::string& topic);

 private:
  bool runFileCommand(int command);
  bool runHelpCommand(int command);

  AppServices& app_;
  StepRunner steps_;
  BuildCommands build_;
  HelpCommands help_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_COMMAND_DISPATCHER_H_
