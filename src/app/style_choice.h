#ifndef QUORVEX_APP_STYLE_CHOICE_H_
#define QUORVEX_APP_STYLE_CHOICE_H_

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/change_notifier.h"
#include "platform/env.h"
#include "site/style_template.h"
#include "site/style_template_folder.h"

namespace quorvex {

class CBrenquilDoc;
class CPageData;

// The size of a picture in pixels.
struct PictureSize {
  int width = 0;
  int height = 0;
};

// The rules and messages of the style step ("Choose A Style For Site") on its
// copy of the document's style template record: listing, loading and
// previewing styles, customising, deleting, accepting, and the follow-up that
// applies the chosen style to the pages. Every operation that changes what
// the step shows (the selection, the loaded style, the list) notifies the
// listeners when it is done.
class StyleChoice : public ChangeNotifier {
 public:
  static constexpr const char* kOverwriteQuestion =
      "Do you wish to overwrite all of your current page customization to match the template "
      "you've chosen?";

  // Works on a copy of `style`. `env` must outlive this object.
  StyleChoice(const Env& env, const CTemplate& style);
  StyleChoice(const StyleChoice&) = delete;
  StyleChoice& operator=(const StyleChoice&) = delete;

  // The style step needs pages: returns false after "You have not selected
  // which pages you would like to use in your site yet." when `pages` is
  // empty (the site type step then opens instead).
  static bool hasPages(const CPageData& pages, Prompter& prompter);

  // The step's copy of the record (the attributes dialog starts from it).
  CTemplate& style() { return style_; }
  const CTemplate& style() const { return style_; }

  // On opening: scans the folder and loads the record's style; when that
  // fails, shows "The last style chosen could not be found.\nPlease, select
  // the style you intended to use."
  void open();

  // A selection in the list: loads the style at `index` (-1: nothing
  // selected). Returns true when it loaded.
  bool choose(int32_t index);

  // True while a style is selected and loaded.
  bool hasSelection() const { return selected_; }

  // The preview pictures of the selected style, in the order they are tried
  // (the first that can be read is shown).
  std::vector<std::filesystem::path> previewFiles() const { return folder_.previewFiles(); }

  // Customize: returns false after "Please select a style to Customize."
  // when nothing is selected. A permanent style is first copied under a new
  // name (after "The style you have selected cannot be directly
  // edited,\nbut it has been copied to a new style so that you may edit
  // it."), and the copy is customised. True: the attributes dialog opens on
  // a copy of style().
  bool beginCustomize();

  // The attributes dialog's OK: refuses an empty name ("Please, enter a name
  // for your style.") and one holding any of \ / : * ? " < > |. When the
  // sizes of both link button pictures are known and differ, warns
  // "WARNING: The button image and pressed image are different sizes.\nThis
  // may cause misalignment of text and stretching of one image by the
  // browser." and still accepts.
  static bool acceptAttributes(const std::string& name, std::optional<PictureSize> button,
                               std::optional<PictureSize> pressed, Prompter& prompter);

  // After the attributes dialog's OK with the settings `edited` and the name
  // `name` (trimmed of blanks). Returns false after "The name '<name>' is
  // already in use.  Please choose a different Style Name to continue." when
  // another style bears the name (the dialog opens again). Otherwise the
  // style takes the settings and the name, is saved, and a "TempConfig.cfg"
  // of its folder is deleted, so that its .cfg file alone describes it.
  [[nodiscard]] bool finishCustomize(const CTemplate& edited, const std::string& name);

  // Delete: refuses with a message when nothing is selected or the style is
  // permanent; otherwise asks "Are you sure you want to delete this style?"
  // and on Yes deletes it and selects the first style.
  void deleteSelected();

  // OK or Next: false after "Please select a style." when nothing is
  // selected.
  bool accept() const;

  // After OK: the document takes the step's record. The style is applied to
  // every page and individual product page when it had not been applied
  // yet, or when another style was chosen than the one the step opened with
  // and the user answers Yes to kOverwriteQuestion; it then also removes the
  // link customisations of the document's "ProductCategories" page and
  // marks the style applied.
  void apply(CBrenquilDoc& doc) const;

 private:
  const Env& env_;
  CTemplate style_;
  StyleTemplateFolder folder_;
  std::string initialName_;
  bool selected_ = false;
};

}  // namespace quorvex

#endif  // QUORVEX_APP_STYLE_CHOICE_H_
