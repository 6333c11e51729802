#include "generator/link_markup.h"

#include <algorithm>
#include <cmath>

#include "generator/text_helpers.h"

namespace quorvex {

namespace {

constexpr char kLineBreak[] = "<BR>\n";
// The page width the horizontal lists are laid out for, in pixels.
constexpr double kLineWidth = 800;

}  // namespace

std::string buttonLink(const ButtonLinkMarkup& link, const LinkButton& normal, bool rollover,
                       std::string_view imagesUrl) {
  std::string markup = link.opening;
  const std::string flip(link.flip);
  const std::string& name = link.scriptName;
  if (rollover) {
    markup += " onMouseOver=\"" + flip + "('" + name + "', '" + name + "1')\"" + " onMouseOut=\"" +
              flip + "('" + name + "', '" + name + "0')\"";
  }
  markup += link.lineFeedBeforeImage ? ">\n" : ">";
  markup += rollover ? "<IMG NAME=\"" + name + "\" SRC=\"" : std::string("<IMG SRC=\"");
  markup += std::string(imagesUrl) + normal.fileName + "\" ALT=\"" + link.alt + "\" WIDTH=\"" +
            std::to_string(normal.width) + "\" HEIGHT=\"" + std::to_string(normal.height) +
            "\" BORDER=0></A>";
  return markup;
}

std::string preloadStatements(std::string_view scriptName, std::string_view normalFile,
                              std::string_view pressedFile, std::string_view imagesUrl) {
  const std::string name(scriptName);
  const std::string url(imagesUrl);
  return name + "0 = new Image;\n" + name + "0.src = '" + url + std::string(normalFile) + "';\n" +
         name + "1 = new Image;\n" + name + "1.src = '" + url + std::string(pressedFile) + "';\n";
}

LineBudget::LineBudget(std::string_view styleOffset, bool vertical)
    : vertical_(vertical),
      budget_(std::trunc((100.0 - std::max(1, leadingInteger(styleOffset))) * 0.01 * kLineWidth)) {}

std::string LineBudget::after(int width) {
  if (vertical_) return kLineBreak;
  const double before = used_;
  used_ = before + width;
  if (budget_ < before + 2.0 * width) {
    used_ = 0;
    return kLineBreak;
  }
  return "";
}

}  // namespace quorvex
