#include "app/build_commands.h"

#include <system_error>

#include "app/app_services.h"
#include "app/build_blocker.h"
#include "app/command_ids.h"
#include "app/document_lifecycle.h"
#include "app/front_end.h"
#include "app/save_site_dialog.h"
#include "app/step_routing.h"
#include "company/brenquil_doc.h"
#include "platform/env.h"
#include "platform/paths.h"

namespace quorvex {

namespace fs = std::filesystem;

BuildCommands::BuildCommands(AppServices& app) : app_(app) {}

bool BuildCommands::checkBuildable() {
  std::optional<BuildBlocker> blocker = findBuildBlocker(app_.doc);
  // A document without a company name has no file to be saved to yet. A
  // failed save has shown why; the run works from the open document anyway.
  if (!blocker || blocker->command != kCmdLocation) (void)app_.lifecycle.save();
  if (!blocker) return true;
  app_.env.prompter().showMessage(blocker->message);
  app_.frontEnd.postCommand(blocker->command);
  return false;
}

void BuildCommands::saveSiteLocally() {
  if (!checkBuildable()) return;
  app_.frontEnd.selectNavigatorPage(findWizardStep(kCmdSaveSiteLocally)->navigatorPage);
  SaveSiteDialog dialog;
  const DialogResult result = app_.frontEnd.runDialog(dialog);
  if (result == DialogResult::kCancel) return;
  app_.lifecycle.setModified(true);
  if (result == DialogResult::kPrevious) {
    app_.frontEnd.postCommand(kCmdServerPreferences);
    return;
  }
  if (dialog.publish) {
    app_.frontEnd.postCommand(kCmdPublish);
    return;
  }
  // The run updates the published-file lists, which the save then keeps (a
  // failed save has shown why).
  if (app_.frontEnd.runSaveSite(dialog.viewSite)) (void)app_.lifecycle.save();
}

void BuildCommands::publish() {
  if (!checkBuildable()) return;
  if (!app_.frontEnd.runSaveSite(/*viewSite=*/false)) return;
  (void)app_.lifecycle.save();
  app_.frontEnd.selectNavigatorPage(findWizardStep(kCmdPublish)->navigatorPage);

  CBrenquilDoc& doc = app_.doc;
  PublishRequest request;
  request.addOn = doc.m_pSiteTemplate->isAddOn();
  request.workingFolder = app_.env.home();
  if (request.addOn) {
    const std::string& folder = doc.m_pSiteTemplate->existingSiteFolder;
    std::error_code error;
    if (folder.empty() || !fs::is_directory(nativePath(folder), error)) {
      app_.env.prompter().showMessage(
          "Quorvex could not find the folder " + folder +
          ".\nPlease, return to the \"Select Type of Site\" section and click on \"Current Site "
          "Location\".");
      return;
    }
    request.workingFolder = nativePath(folder);
  }
  request.sitePrefix = doc.m_strCompanyName + "\\";
  request.webFiles = doc.m_pWebFileList.get();
  request.orderServerFiles = doc.m_pOrderServerFileList.get();
  request.serverPreferences = doc.m_pFtp.get();
  app_.frontEnd.runPublish(request);
  (void)app_.lifecycle.save();
}

}  // namespace quorvex
