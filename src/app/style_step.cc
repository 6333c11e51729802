#include "app/style_step.h"

#include "app/app_services.h"
#include "app/command_ids.h"
#include "app/front_end.h"
#include "company/brenquil_doc.h"
#include "platform/env.h"

namespace quorvex {

StyleAttributesDialog::StyleAttributesDialog(const CTemplate& current, const Env& env)
    : DialogModel("New Style Attributes"),
      style(current),
      name(current.currentName),
      prompter_(env.prompter()),
      preview_(env) {}

bool StyleAttributesDialog::accept() {
  return StyleChoice::acceptAttributes(name, buttonSize, pressedSize, prompter_);
}

StyleStep::StyleStep(AppServices& app)
    : StepModel(kCmdStyle),
      app_(app),
      choice_(app.env, *app.doc.m_pTemplate),
      preview_(app.env) {
  choice_.subscribe([this] { notifyChanged(); });
}

bool StyleStep::prepare() {
  choice_.open();
  return true;
}

void StyleStep::customize() {
  if (!choice_.beginCustomize()) return;
  StyleAttributesDialog dialog(choice_.style(), app_.env);
  while (app_.frontEnd.runDialog(dialog) != DialogResult::kCancel) {
    if (choice_.finishCustomize(dialog.style, dialog.name)) return;
  }
}

bool StyleStep::accept() { return choice_.accept(); }

void StyleStep::apply() { choice_.apply(app_.doc); }

}  // namespace quorvex
