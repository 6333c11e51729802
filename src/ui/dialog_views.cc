#include "ui/dialog_views.h"

#include <string>
#include <utility>

#include "app/command_dispatcher.h"
#include "app/dialog_model_visitor.h"
#include "app/save_site_dialog.h"
#include "platform/prompter.h"
#include "ui/save_site_choice_dialog.h"

namespace quorvex::ui {

namespace {

// Answers every model with the message that its view is not yet available
// and Cancel; the views this version has override their model's visit().
class ViewsNotYetAvailable : public DialogModelVisitor {
 public:
  // `title` is the title of the model to be shown.
  ViewsNotYetAvailable(Prompter& prompter, std::string title)
      : prompter_(prompter), title_(std::move(title)) {}

  DialogResult result = DialogResult::kCancel;

#define QUORVEX_VIEW_NOT_YET(Model) \
  void visit(Model&) override { sayNotYet(); }
  QUORVEX_DIALOG_MODELS(QUORVEX_VIEW_NOT_YET)
#undef QUORVEX_VIEW_NOT_YET

 private:
  void sayNotYet() {
    prompter_.showMessage("The dialog \"" + title_ +
                              "\" is not yet available in this version of Quorvex.\nNothing "
                              "has been changed.",
                          PromptIcon::kInformation);
    result = DialogResult::kCancel;
  }

  Prompter& prompter_;
  std::string title_;
};

// Opens the view of each model that has one.
class ViewFinder : public ViewsNotYetAvailable {
 public:
  ViewFinder(CommandDispatcher& dispatcher, Prompter& prompter, std::string title,
             QWidget* parent)
      : ViewsNotYetAvailable(prompter, std::move(title)),
        dispatcher_(dispatcher),
        parent_(parent) {}

  using ViewsNotYetAvailable::visit;

  void visit(SaveSiteDialog& model) override {
    SaveSiteChoiceDialog view(model, [this, &model] { dispatcher_.showHelpFor(model); },
                              parent_);
    result = view.run();
  }

  // The company, site type, style and page layout steps and their dialogs.

  // The product, coupon, tax, shipping, order and server steps and their
  // dialogs.

 private:
  CommandDispatcher& dispatcher_;
  QWidget* parent_;
};

}  // namespace

DialogResult showDialogView(DialogModel& model, CommandDispatcher& dispatcher,
                            Prompter& prompter, QWidget* parent) {
  ViewFinder finder(dispatcher, prompter, model.title(), parent);
  model.acceptVisitor(finder);
  return finder.result;
}

}  // namespace quorvex::ui
