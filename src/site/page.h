#ifndef QUORVEX_SITE_PAGE_H_
#define QUORVEX_SITE_PAGE_H_

#include <cstdint>
#include <string>
#include <typeinfo>
#include <vector>

#include "document/font_data.h"
#include "document/record.h"
#include "document/template_font.h"
#include "site/page_type.h"

namespace quorvex {

class CPage;

// Declares a concrete page class: its record identity and its copyFrom().
#define QUORVEX_PAGE(ClassName)                              \
  QUORVEX_RECORD(ClassName)                                  \
                                                             \
 public:                                                     \
  [[nodiscard]] bool copyFrom(const CPage& other) override { \
    if (typeid(other) != typeid(*this)) return false;        \
    *this = static_cast<const ClassName&>(other);            \
    return true;                                             \
  }

// The displayedLinks value that shows the links to every page.
inline constexpr char kAllLinks[] = "ALL";

// A page of the site, and the base of every page class. Used bare for the two
// pages the document keeps beside the page list ("Global" and
// "ProductCategories"), of which only the link customisations, linkFont and
// displayedLinks matter.
//
// Colours are kept as colour strings "#rrggbb" (see site/color_string.h).
// Copies are deep.
class CPage : public Record {
  QUORVEX_RECORD(CPage)

 public:
  // The customised link buttons: linkCount entries in each of the five
  // arrays. Entry i holds the label of the page the link leads to, the text
  // settings of its normal and pressed button pictures and the paths of their
  // background pictures. Reading and writing keep the arrays in step with
  // linkCount.
  int32_t linkCount = 0;
  std::vector<std::string> linkTargets;
  std::vector<CTemplateFont> linkFonts;
  std::vector<CTemplateFont> linkPressedFonts;
  std::vector<std::string> linkImages;
  std::vector<std::string> linkPressedImages;
  // Set on every new page: the style template is still to be applied to it.
  int32_t unstyled = 1;
  // The font of the page's text links.
  CFontData linkFont;
  // "ALL" to show the links to every page, otherwise label + "|" for each
  // page whose link is shown ("Home|Contact|").
  std::string displayedLinks = kAllLinks;
  int32_t pageType = kUntypedPage;
  // Unique within the page list; the base of the output file name.
  std::string label;
  // Background picture path; empty for none.
  std::string backImage;
  std::string textColor = "#000000";
  std::string backColor = "#FFFFFF";
  std::string linkColor = "#5C5C5C";
  std::string visitedColor = "#800080";
  // The left margin: a whole number, followed by "%" for a percentage of the
  // window width, else pixels.
  std::string offset = "0%";
  // The template file the page is generated from ("Page Source").
  std::string templateFile;

  CPage() = default;

  int32_t getType() const { return pageType; }
  const std::string& getLabel() const { return label; }
  void setLabel(const std::string& text) { label = text; }

  // Returns the output file name: the label with each of the characters
  // space / \ : * ? " < > | & - replaced by "_", followed by ".html".
  std::string getFileName() const;

  // Sets templateFile to the default template file of page type `type`;
  // leaves it unchanged for a type without a page class of its own.
  void setDefaultTemplateFile(int32_t type);

  // The colours as colour values (0x00BBGGRR); the setters store the colour
  // string of the value.
  int32_t getTextColorValue() const;
  int32_t getBackColorValue() const;
  int32_t getLinkColorValue() const;
  int32_t getVisitedColorValue() const;
  void setTextColor(int32_t color);
  void setBackColor(int32_t color);
  void setLinkColor(int32_t color);
  void setVisitedColor(int32_t color);

  // Returns offset without trailing blanks and without a trailing "%".
  std::string getOffsetNumber() const;
  // True when offset ends in "%" (trailing blanks ignored).
  bool isOffsetPercent() const;
  // Stores `number` followed by "%" when `percent` is set.
  void setOffset(const std::string& number, bool percent);

  // Removes every link customisation.
  void clearLinks();

  // True when the page's link lists show the link to the page labelled
  // `pageLabel` (displayedLinks is "ALL" or names it).
  bool showsLinkTo(const std::string& pageLabel) const;
  // Shows or hides the link to the page labelled `pageLabel`. Hiding one link
  // while every link is shown leaves the links to `linkable` (the labels of
  // the pages a link list can show) but that one.
  void setShowsLinkTo(const std::string& pageLabel, bool shown,
                      const std::vector<std::string>& linkable);
  // Shows the links to every page, present and future ("ALL"), or, when
  // `all` is false while they are shown, names each of `linkable` instead.
  void setShowsAllLinks(bool all, const std::vector<std::string>& linkable);

  // Replaces every field with a deep copy of `other`'s. Returns false and
  // changes nothing when `other` is not of exactly this page's class.
  [[nodiscard]] virtual bool copyFrom(const CPage& other);

  // The label of the n-th page created under `name`: the name itself when n
  // is 1 or less, otherwise name + " " + n ("Info 2").
  static std::string numberedLabel(const std::string& name, int32_t n);

  // The page part, record version 4: label, pageType, displayedLinks,
  // unstyled, then the link customisations (linkCount, then per link its
  // target, normal font, pressed font, normal image and pressed image).
  // Version 1 holds label and pageType, 2 adds displayedLinks, 3 adds
  // unstyled. Another version reads nothing more.
  void serialize(Archive& ar) override;
  void visitFields(FieldVisitor& visitor) override;

  bool operator==(const CPage&) const = default;

 protected:
  // An Arial font of `tenthsOfPoint` in the page's text colour, as new pages
  // set their fonts.
  CFontData arialFont(int32_t tenthsOfPoint, int32_t bold) const;

  // linkCount and the link entries, as the page part of version 4 stores them
  // (also found inside older full-page parts).
  void ioLinks(Archive& ar);

  // The seven strings that the full-page and product sub-page parts store in
  // this order: backColor, backImage, offset, textColor, linkColor,
  // visitedColor, templateFile.
  void ioAppearance(Archive& ar);
  void visitAppearance(FieldVisitor& visitor);

 private:
  void resizeLinkArrays(size_t size);
};

}  // namespace quorvex

#endif  // QUORVEX_SITE_PAGE_H_
