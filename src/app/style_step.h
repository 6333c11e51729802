#ifndef QUORVEX_APP_STYLE_STEP_H_
#define QUORVEX_APP_STYLE_STEP_H_

#include <optional>
#include <string>
#include <vector>

#include "app/button_preview.h"
#include "app/dialog_model.h"
#include "app/step_model.h"
#include "app/style_choice.h"
#include "site/style_template.h"

namespace quorvex {

struct AppServices;

// "New Style Attributes": the settings and name of the style being
// customised. The view fills in the sizes of the two link button pictures
// it shows, when it could read them.
class StyleAttributesDialog : public DialogModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // Starts from `style` and its name. `app` must outlive the dialog.
  StyleAttributesDialog(const CTemplate& style, AppServices& app);

  CTemplate style;
  std::string name;
  std::optional<PictureSize> buttonSize;
  std::optional<PictureSize> pressedSize;

  // The sample buttons of `style` as it now stands (see ButtonPreview).
  std::vector<ButtonPreview::Sample> buttonSamples() { return preview_.draw(style); }

  // Lets the user pick the folder of the style's HTML template files with a
  // folder dialog that starts in the current one; a choice becomes
  // templatePath (a stored folder path, ending with a backslash) and is
  // shown.
  void browseTemplateFolder();

  // Lets the user pick the style's picture `picture` (the background, a link
  // button or a shopping button picture: a field of `style`) with an image
  // dialog titled `title` (see chooseImageFile()); a choice replaces it and
  // is shown.
  void browsePicture(const std::string& title, std::string& picture);

  // Requires a usable name; warns about link pictures of different sizes.
  bool accept() override;

 private:
  AppServices& app_;
  ButtonPreview preview_;
};

// "Choose A Style For Site": the style template of the pages. The rules of
// the list, the customising and the deleting are the step's StyleChoice,
// which the view works through; the step notifies its listeners of every
// change of the choice.
class StyleStep : public StepModel {
 public:
  void acceptVisitor(DialogModelVisitor& visitor) override { visitor.visit(*this); }

  // Works on a copy of the document's style template record.
  explicit StyleStep(AppServices& app);

  StyleChoice& choice() { return choice_; }

  // The sample buttons of the selected style (see ButtonPreview).
  std::vector<ButtonPreview::Sample> buttonSamples() { return preview_.draw(choice_.style()); }

  // Lists the styles and loads the document's.
  bool prepare() override;

  // Customize: "New Style Attributes" for the selected style (a permanent
  // one copied first); a name another style has is refused and the dialog
  // opens again.
  void customize();

  // Requires a selected style.
  bool accept() override;

  // The document takes the record; the style is applied to the pages when it
  // never was, or, for another style, when the user agrees.
  void apply() override;

 private:
  AppServices& app_;
  StyleChoice choice_;
  ButtonPreview preview_;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_STYLE_STEP_H_
