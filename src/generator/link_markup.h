#ifndef QUORVEX_GENERATOR_LINK_MARKUP_H_
#define QUORVEX_GENERATOR_LINK_MARKUP_H_

#include <string>
#include <string_view>

#include "generator/link_buttons.h"

namespace quorvex {

// The pieces of HTML and script that the image link lists (page links and
// category links) share.

// How one button link is written.
struct ButtonLinkMarkup {
  // The start of the anchor: "<A HREF=\"...\"" with any further attributes,
  // without the closing ">".
  std::string opening;
  // The roll-over function of the page: "flip" or "shop.flip".
  std::string_view flip;
  // The name under which the roll-over switches the picture.
  std::string scriptName;
  // The ALT text of the picture.
  std::string alt;
  // Put a line feed between the anchor's ">" and the IMG tag.
  bool lineFeedBeforeImage = false;
};

// Returns the anchor `link` describes around the picture of `normal` in
// `imagesUrl`: the opening; with `rollover`
//   " onMouseOver=\"F('N', 'N1')\" onMouseOut=\"F('N', 'N0')\""
// (F the flip function, N the script name); ">", the optional line feed,
// then "<IMG NAME=\"N\" SRC=\"" with roll-over or "<IMG SRC=\"" without, the
// picture's URL, "\" ALT=\"<alt>\" WIDTH=\"w\" HEIGHT=\"h\" BORDER=0></A>".
std::string buttonLink(const ButtonLinkMarkup& link, const LinkButton& normal, bool rollover,
                       std::string_view imagesUrl);

// Returns the script statements that preload the two pictures of a
// roll-over named `scriptName`: "N0 = new Image;\nN0.src = '<normal>';\n"
// then the same with N1 and the pressed picture, each picture as
// `imagesUrl` + its file name.
std::string preloadStatements(std::string_view scriptName, std::string_view normalFile,
                              std::string_view pressedFile, std::string_view imagesUrl);

// Decides where a list of button links breaks its lines. A vertical list
// breaks after every button. A horizontal one fills a line of
// truncate((100 - max(1, leading number of the style's offset)) x 0.01 x
// 800) pixels (a style offset of "5%" gives 760) and breaks after a button
// when the line could not take another of the same width.
class LineBudget {
 public:
  LineBudget(std::string_view styleOffset, bool vertical);

  // Returns what follows a button `width` pixels wide: "<BR>\n" or "".
  std::string after(int width);

 private:
  bool vertical_;
  double budget_;
  double used_ = 0;
};

}  // namespace quorvex

#endif  // QUORVEX_GENERATOR_LINK_MARKUP_H_
