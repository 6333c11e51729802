#include "app/command_dispatcher.h"

#include "app/app_services.h"
#include "app/backups.h"
#include "app/command_ids.h"
#include "app/dialog_model.h"
#include "app/document_lifecycle.h"
#include "app/front_end.h"
#include "app/step_routing.h"

namespace quorvex {

CommandDispatcher::CommandDispatcher(AppServices& app)
    : app_(app),
      steps_(app),
      build_(app),
      help_(app.env, app.frontEnd, browserCheck(app.frontEnd.browserVersion())) {}

bool CommandDispatcher::run(int command) {
  bool known = true;
  if (command == kCmdSaveSiteLocally) {
    build_.saveSiteLocally();
  } else if (command == kCmdPublish) {
    build_.publish();
  } else if (findWizardStep(command) != nullptr) {
    steps_.run(command);
  } else if (command >= kCmdNavigatorPage0 && command <= kCmdNavigatorPageLast) {
    app_.frontEnd.selectNavigatorPage(command - kCmdNavigatorPage0);
  } else if (command == kCmdDownloadSalesLogs) {
    app_.frontEnd.runSalesLogDownload();
  } else {
    known = runFileCommand(command) || runHelpCommand(command);
  }
  if (known) app_.frontEnd.documentChanged();
  return known;
}

bool CommandDispatcher::runFileCommand(int command) {
  DocumentLifecycle& lifecycle = app_.lifecycle;
  // Each file command shows its own failure or cancellation; nothing follows
  // it here, so its result is not needed.
  switch (command) {
    case kCmdNew: (void)lifecycle.newDocument(); return true;
    case kCmdOpen: (void)lifecycle.openWithDialog(); return true;
    case kCmdSave: (void)lifecycle.save(); return true;
    case kCmdSaveAs: (void)lifecycle.saveAs(); return true;
    case kCmdSaveBackup: (void)Backups(lifecycle).saveBackup(); return true;
    case kCmdRestoreBackup: (void)Backups(lifecycle).restoreFromBackup(); return true;
    case kCmdExit:
      if (lifecycle.saveModified()) app_.frontEnd.quit();
      return true;
    default: break;
  }
  if (command < kCmdRecentFile1 || command > kCmdRecentFileLast) return false;
  std::string file = lifecycle.recentFiles().entry(command - kCmdRecentFile1);
  if (!file.empty()) (void)lifecycle.openFile(file);
  return true;
}

bool CommandDispatcher::runHelpCommand(int command) {
  switch (command) {
    case kCmdProgramHelp:
    case kCmdNavigatorHelp: help_.showHelp(HelpCommands::kMainTopic); return true;
    case kCmdOnline:
    case kCmdNavigatorOnline: help_.showOnline(); return true;
    case kCmdUpdate: help_.showUpdate(); return true;
    case kCmdAbout: help_.showAbout(programVersion()); return true;
    default: return false;
  }
}

void CommandDispatcher::showHelpFor(const DialogModel& dialog) { showHelp(dialog.helpTopic()); }

void CommandDispatcher::showHelp(const std::string& topic) { help_.showHelp(topic); }

}  // namespace quorvex
