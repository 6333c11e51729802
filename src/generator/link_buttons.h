#ifndef QUORVEX_GENERATOR_LINK_BUTTONS_H_
#define QUORVEX_GENERATOR_LINK_BUTTONS_H_

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "generator/image_size.h"

namespace quorvex {

class CPage;
class CTemplateFont;
class GenerationContext;

// A link button picture that stands in the images folder.
struct LinkButton {
  // Its file name in the images folder.
  std::string fileName;
  // The name by which the page scripts switch the picture on roll-over.
  std::string scriptName;
  // The size of the picture (that of its background).
  int width = 0;
  int height = 0;
};

// One link button to make.
struct LinkButtonRequest {
  // The text drawn on the button.
  std::string text;
  // What the record's linkTargets are compared with: the label of the page
  // linked to, or the category of a category link.
  std::string target;
  // The name the picture's file name is made from (the output file name of
  // the page linked to, or the category).
  std::string baseName;
  // The pressed (roll-over) picture instead of the normal one.
  bool pressed = false;
  // The page record whose customised buttons apply; may be null.
  const CPage* record = nullptr;
};

// Makes the button pictures of link lists: draws a link's text onto its
// background picture into the images folder of the site being generated.
//
// A link customised in the request's record (one of its linkTargets equals
// the request's target) uses that entry's background and font; any other
// uses the style's link picture and link font (the pressed ones for pressed
// buttons). The picture is named:
//   [record label "-"] base name up to its last "." "-link" ["-ON"] ext
// with ext ".gif" for a GIF background and ".jpg" otherwise, cleaned for
// the web (cleanFileName, lastPathComponent). Its script name is
// checkedName(text) with prefix, of record label + text for a customised
// link.
//
// Each picture is drawn once per run (the context's producedImages, shared
// with the reduced product pictures; progress "Outputting button
// images..."), with the server preferences' JPEG quality, and entered in
// both published-file lists (remote folder Images, binary) each time it is
// asked for.
//
// Lives for one run; the context must outlive it. Not thread-safe.
class LinkButtons {
 public:
  explicit LinkButtons(GenerationContext& context) : context_(context) {}

  // render-button: makes the button `request` describes, or returns nullopt
  // when its background has no usable picture. The first such failure of
  // the run shows "WARNING: File \"<background>\" does not seem to be a
  // valid image.\nNo page links will be output."; later ones are silent. A
  // pressed button without any background picture is nullopt without a
  // message (the link then has no roll-over).
  std::optional<LinkButton> render(const LinkButtonRequest& request);

  // Returns the index of `record`'s customisation of the link to `target`,
  // or -1 when `record` is null or does not customise it.
  static int customisation(const CPage* record, std::string_view target);

  // True when `record` is not null and customises at least one link.
  static bool hasCustomisedLinks(const CPage* record);

  // True when the style draws its links as buttons: its links are pictures
  // and it has a normal link picture.
  bool styleHasButtons() const;

  // True when the links of a list made with `record` (may be null) get
  // pressed pictures: the style has a pressed link picture or `record`
  // customises links.
  bool wantsPressed(const CPage* record) const;

  // Returns the number of pictures drawn so far.
  int renderedCount() const { return rendered_; }

 private:
  // Draws `text` onto `background` as the picture `name` in the images
  // folder; false when the background turned out unusable.
  bool draw(const std::string& background, const std::string& text, const CTemplateFont& font,
            const std::string& name);
  // The size of the background picture at the stored path `background`,
  // measured once per run.
  ImageSize backgroundSize(const std::string& background);
  // Shows the failure warning when it is the run's first.
  void reportFailure(const std::string& background);

  GenerationContext& context_;
  std::unordered_map<std::string, ImageSize> backgroundSizes_;
  bool failureShown_ = false;
  int rendered_ = 0;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_LINK_BUTTONS_H_
