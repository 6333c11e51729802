#include "app/style_step.h"

#include "app/app_services.h"
#include "app/command_ids.h"
#include "app/front_end.h"
#include "app/image_file_choice.h"
#include "company/brenquil_doc.h"
#include "platform/env.h"
#include "platform/paths.h"

namespace quorvex {

StyleAttributesDialog::StyleAttributesDialog(const CTemplate& current, AppServices& app)
    : DialogModel("New Style Attributes"),
      style(current),
      name(current.currentName),
      app_(app),
      preview_(app.env) {}

void StyleAttributesDialog::browseTemplateFolder() {
  FileDialogRequest request;
  request.title = "HTML Location...";
  request.chooseFolder = true;
  request.folder = resolveStoredPath(app_.env.home(), style.templatePath);
  std::optional<std::filesystem::path> folder = app_.frontEnd.chooseFile(request);
  if (!folder) return;
  style.templatePath = folder->string() + "\\";
  notifyChanged();
}

void StyleAttributesDialog::browsePicture(const std::string& title, std::string& picture) {
  std::optional<std::filesystem::path> file = chooseImageFile(app_, title, picture);
  if (!file) return;
  picture = file->string();
  notifyChanged();
}

bool StyleAttributesDialog::accept() {
  return StyleChoice::acceptAttributes(name, buttonSize, pressedSize, app_.env.prompter());
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
  StyleAttributesDialog dialog(choice_.style(), app_);
  while (app_.frontEnd.runDialog(dialog) != DialogResult::kCancel) {
    if (choice_.finishCustomize(dialog.style, dialog.name)) return;
  }
}

bool StyleStep::accept() { return choice_.accept(); }

void StyleStep::apply() { choice_.apply(app_.doc); }

}  // namespace quorvex
