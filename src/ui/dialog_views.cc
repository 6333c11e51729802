#include "ui/dialog_views.h"

#include "app/command_dispatcher.h"
#include "app/save_site_dialog.h"
#include "platform/prompter.h"
#include "ui/save_site_choice_dialog.h"

namespace quorvex::ui {

DialogResult showDialogView(DialogModel& model, CommandDispatcher& dispatcher,
                            Prompter& prompter, QWidget* parent) {
  auto help = [&dispatcher, &model] { dispatcher.showHelpFor(model); };
  if (auto* saveSite = dynamic_cast<SaveSiteDialog*>(&model)) {
    SaveSiteChoiceDialog view(*saveSite, help, parent);
    return view.run();
  }
  prompter.showMessage("The dialog \"" + model.title() +
                           "\" is not yet available in this version of Quorvex.\nNothing "
                           "has been changed.",
                       PromptIcon::kInformation);
  return DialogResult::kCancel;
}

}  // namespace quorvex::ui
